#include "main/settings_dialog/settings_dialog_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/ansi_win32.h"
#include "common/common_controls_win32.h"
#include "common/dialog_win32.h"
#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/scoped_win32.h"
#include "common/scroll_value.h"
#include "common/text_file_win32.h"
#include "common/window_icons_win32.h"
#include "main/settings_dialog/dialog_values.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/settings_dialog/hotkey_enabled_box.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings_dialog/shortcut_files_win32.h"
#include "main/settings_dialog/shortcut_steps.h"
#include "main/settings/settings_files.h"
#include "settings_dialog_ids.h"

namespace qvx {

namespace {

constexpr int kTooltipLimit = 30;  // characters; the tray's tip then always fits

Lines ReadLinesOrNone(const std::wstring& path) { return ReadTextFileLines(path).value_or(Lines{}); }

// A Windows hot-key control as a hotkey's entry box, with its "Enabled" box beside it.
class HotkeyControl : public HotkeyEntryBox {
 public:
  HotkeyControl(int hotkeyId, int enabledId) : hotkeyId_(hotkeyId), enabledId_(enabledId) {}
  void Attach(HWND dialog) { dialog_ = dialog; }

  HotkeyCombination Combination() const override {
    const auto value = static_cast<WORD>(SendDlgItemMessageW(dialog_, hotkeyId_, HKM_GETHOTKEY, 0, 0));
    return {HIBYTE(value), LOBYTE(value)};
  }
  void SetCombination(HotkeyCombination c) override {
    SendDlgItemMessageW(dialog_, hotkeyId_, HKM_SETHOTKEY, MAKEWORD(c.KeyCode, c.Modifiers), 0);
  }
  void SetEntryEnabled(bool enabled) override {
    HWND box = GetDlgItem(dialog_, hotkeyId_);
    EnableWindow(box, enabled);
    InvalidateRect(box, nullptr, TRUE);  // not every hot-key control repaints itself on a change of state
  }
  void ShowTick(bool ticked) override { CheckDlgButton(dialog_, enabledId_, ticked ? BST_CHECKED : BST_UNCHECKED); }
  void ShowReservedMessage() override {
    ShowMessage(dialog_, kReservedHotkeyText, kQuorvexTitle, MB_OK | MB_ICONEXCLAMATION);
  }

 private:
  HWND dialog_ = nullptr;
  int hotkeyId_;
  int enabledId_;
};

} // namespace

// The settings dialog, alive only while it is shown.
class SettingsDialogWindow final : public DialogWindow {
 public:
  explicit SettingsDialogWindow(SettingsHost& host) : host_(host), settings_(host.Settings()) {}

  void ShowModal() {
    LoadCommonControls(ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS | ICC_BAR_CLASSES);  // hotkey boxes, tooltips
    DialogBoxParamW(host_.ModuleInstance(), MAKEINTRESOURCEW(IDD_SETTINGS_DIALOG), host_.Window(), Procedure,
                    reinterpret_cast<LPARAM>(static_cast<DialogWindow*>(this)));
  }
  // Saves once and ends the dialog; a second request (the close box after the end of the
  // session began, or the other way round) does nothing.
  void SaveAndClose(bool quiet) {
    if (closed_) return;
    closed_ = true;
    Save(quiet);
    EndDialog(Handle(), 0);
  }

 private:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  void Load();
  void ReadHotkeysIntoBoxes();
  void AddTooltips();
  void ShowChosenIcon();
  void Save(bool quiet);
  DialogContents Contents() const;

  SettingsHost& host_;
  ProgramSettings& settings_;
  Lines settingsAtOpening_;  // its line 5 names the shortcuts made under the old tooltip
  HotkeyControl launchHotkey_{IDC_LAUNCH_HOTKEY, IDC_LAUNCH_ENABLED};
  HotkeyControl toggleHotkey_{IDC_TOGGLE_HOTKEY, IDC_TOGGLE_ENABLED};
  HotkeyEnabledBox launchEnabled_{launchHotkey_};
  HotkeyEnabledBox toggleEnabled_{toggleHotkey_};
  int iconNumber_ = 1;  // the icon scroll bar's value
  ScopedIcon preview_;
  WindowIcons icons_;
  ScopedWindow tooltips_;  // freed here only when the dialog never got as far as its own end
  bool closed_ = false;
};

INT_PTR SettingsDialogWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      Load();
      return TRUE;  // the focus goes to the first box, "Launch URL:"
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      switch (LOWORD(wParam)) {
        case IDC_LAUNCH_ENABLED: launchEnabled_.UserClicked(); return TRUE;
        case IDC_TOGGLE_ENABLED: toggleEnabled_.UserClicked(); return TRUE;
        case IDC_RESTORE_HOTKEYS: ReadHotkeysIntoBoxes(); return TRUE;
        case IDC_ENABLE_ALL_HOTKEYS:
          launchEnabled_.SetTicked(true);
          toggleEnabled_.SetTicked(true);
          return TRUE;
        case IDC_DISABLE_ALL_HOTKEYS:
          launchEnabled_.SetTicked(false);
          toggleEnabled_.SetTicked(false);
          return TRUE;
        case IDOK:
        case IDCANCEL:
          return TRUE;  // no OK and no Cancel: Enter and Escape do not close the dialog
      }
      return FALSE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(Handle(), IDC_ICON_SCROLL)) return FALSE;
      if (const auto next = ScrollValue(iconNumber_, LOWORD(wParam), HIWORD(wParam), 1, kTrayIconCount)) {
        iconNumber_ = *next;
        SetScrollPos(reinterpret_cast<HWND>(lParam), SB_CTL, iconNumber_, TRUE);
        ShowChosenIcon();
      }
      return TRUE;
    case WM_CLOSE:  // the close box, the system menu, Alt+F4
      SaveAndClose(/*quiet=*/false);
      return TRUE;
    case WM_DESTROY:
      tooltips_.Release();  // an owned window: Windows has destroyed it with the dialog
      return FALSE;
  }
  return FALSE;
}

void SettingsDialogWindow::Load() {
  const HWND dialog = Handle();
  launchHotkey_.Attach(dialog);
  toggleHotkey_.Attach(dialog);
  CentreOnMonitor(dialog, host_.Window());
  AddTooltips();
  SendDlgItemMessageW(dialog, IDC_TRAY_TOOLTIP, EM_SETLIMITTEXT, kTooltipLimit, 0);
  SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_PAGE | SIF_POS, 1, kTrayIconCount, 0, 1, 0};
  SetScrollInfo(GetDlgItem(dialog, IDC_ICON_SCROLL), SB_CTL, &scroll, FALSE);

  ReadHotkeysIntoBoxes();

  settingsAtOpening_ = ReadLinesOrNone(settings_.settingsFilePath);
  // The digits of the stored name give the icon ("QVX007" is icon 7); a name without one of
  // the icons' numbers opens as icon 1.
  iconNumber_ = IconNumberInStoredName(LineOrEmpty(settingsAtOpening_, 0)).value_or(1);
  SetScrollPos(GetDlgItem(dialog, IDC_ICON_SCROLL), SB_CTL, iconNumber_, TRUE);
  ShowChosenIcon();  // also for icon 1: the preview shows the stored icon from the start

  const DialogTexts texts = OpeningTexts(settingsAtOpening_);
  SetDlgItemTextW(dialog, IDC_LAUNCH_URL, texts.LaunchUrl.c_str());
  SetDlgItemTextW(dialog, IDC_URL_KEYWORD, texts.UrlKeyword.c_str());
  SetDlgItemTextW(dialog, IDC_BROWSER_TEXT_KEYWORD, texts.BrowserTextKeyword.c_str());
  SetDlgItemTextW(dialog, IDC_TRAY_TOOLTIP, texts.Tooltip.c_str());

  // Last: the boxes ticked above were checked against nothing, so the stored hotkeys stand.
  launchEnabled_.RefuseFromNowOn(kReservedHotkeys);
  toggleEnabled_.RefuseFromNowOn(kReservedHotkeys);
}

void SettingsDialogWindow::ReadHotkeysIntoBoxes() {
  const Lines lines = ReadLinesOrNone(settings_.hotkeyFilePath);
  const HotkeyBoxValues launch = OpeningHotkey(lines, false);
  launchHotkey_.SetCombination(launch.Combination);
  launchEnabled_.SetTicked(launch.Enabled);
  const HotkeyBoxValues toggle = OpeningHotkey(lines, true);
  toggleHotkey_.SetCombination(toggle.Combination);
  toggleEnabled_.SetTicked(toggle.Enabled);
}

void SettingsDialogWindow::ShowChosenIcon() {
  settings_.trayIconName = TrayIconName(iconNumber_);
  const HWND dialog = Handle();
  const HINSTANCE instance = host_.ModuleInstance();

  // The preview fills its box at any DPI: the largest standard size that fits.
  RECT box{};
  GetClientRect(GetDlgItem(dialog, IDC_ICON_PREVIEW), &box);
  const int room = std::min(box.right - box.left, box.bottom - box.top);
  int size = 16;
  for (int candidate : {20, 24, 32, 40, 48, 64}) {
    if (candidate <= room) size = candidate;
  }
  ScopedIcon preview(LoadIconSized(instance, settings_.trayIconName, size));
  SendDlgItemMessageW(dialog, IDC_ICON_PREVIEW, STM_SETICON, reinterpret_cast<WPARAM>(preview.Get()), 0);
  preview_ = std::move(preview);  // the control no longer shows the old one

  icons_.Apply(dialog, instance, settings_.trayIconName);
}

void SettingsDialogWindow::AddTooltips() {
  const HWND dialog = Handle();
  tooltips_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                                  CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog, nullptr,
                                  host_.ModuleInstance(), nullptr));
  if (!tooltips_) return;
  // Long tips wrap at about 300 pixels at 96 DPI, wider at higher DPI.
  SendMessageW(tooltips_.Get(), TTM_SETMAXTIPWIDTH, 0, MulDiv(300, static_cast<int>(GetDpiForWindow(dialog)), 96));
  const std::pair<int, const wchar_t*> tips[] = {{IDC_URL_KEYWORD, kUrlKeywordTip},
                                                 {IDC_BROWSER_TEXT_KEYWORD, kBrowserTextKeywordTip},
                                                 {IDC_TRAY_TOOLTIP, kTooltipTip},
                                                 {IDC_LAUNCH_HOTKEY, kLaunchHotkeyTip},
                                                 {IDC_TOGGLE_HOTKEY, kToggleHotkeyTip}};
  for (const auto& [id, text] : tips) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = dialog;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(dialog, id));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltips_.Get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

DialogContents SettingsDialogWindow::Contents() const {
  const HWND dialog = Handle();
  DialogContents d;
  d.TrayIconName = settings_.trayIconName;
  d.Texts = {ControlText(dialog, IDC_LAUNCH_URL), ControlText(dialog, IDC_URL_KEYWORD),
             ControlText(dialog, IDC_BROWSER_TEXT_KEYWORD), ControlText(dialog, IDC_TRAY_TOOLTIP)};
  d.Launch = {launchHotkey_.Combination(), launchEnabled_.Ticked()};
  d.Toggle = {toggleHotkey_.Combination(), toggleEnabled_.Ticked()};
  return d;
}

void SettingsDialogWindow::Save(bool quiet) {
  const HWND dialog = Handle();
  host_.SetAboutWindowIcon();
  const SavedDialog saved = SaveDialog(Contents(), settingsAtOpening_, settings_, AnsiCodePageHolds);
  // The settings file first, then the hotkey file; the settings keep the new values for
  // this run even when the directory refuses them. Both are on disk before any message shows.
  const bool settingsWritten = WriteTextFileAtomically(settings_.settingsFilePath, saved.SettingsFile);
  const bool hotkeysWritten = WriteTextFileAtomically(settings_.hotkeyFilePath, saved.HotkeyFile);
  if (!quiet && !saved.Refused.empty()) {
    ShowMessage(dialog, RefusedTextMessage(saved.Refused), kQuorvexTitle, MB_OK | MB_ICONEXCLAMATION);
  }
  if (!quiet && !(settingsWritten && hotkeysWritten)) {
    ShowMessage(dialog, kSaveFailedText, kQuorvexTitle, MB_OK | MB_ICONEXCLAMATION);
  }

  ShortcutRequest request;
  request.InStartMenu = IsDlgButtonChecked(dialog, IDC_START_MENU_SHORTCUT) == BST_CHECKED;
  request.AtStartup = IsDlgButtonChecked(dialog, IDC_STARTUP_SHORTCUT) == BST_CHECKED;
  request.Tooltip = saved.Tooltip;
  request.OldName = LineOrEmpty(settingsAtOpening_, 4);
  request.ProgramDirectory = settings_.programDirectory;
  ShellShortcuts shell(dialog, quiet);
  RunShortcutSteps(request, shell);
}

void SettingsDialogOpener::ShowModal(SettingsHost& host) {
  if (open_) return;
  SettingsDialogWindow dialog(host);
  open_ = &dialog;
  dialog.ShowModal();
  open_ = nullptr;
}

void SettingsDialogOpener::SaveAndClose() {
  if (open_) open_->SaveAndClose(/*quiet=*/true);
}

} // namespace qvx
