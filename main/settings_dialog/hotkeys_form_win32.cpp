#include "main/settings_dialog/settings_dialog_win32.h"

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <utility>

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/text_file_win32.h"
#include "common/window_icons_win32.h"
#include "hotkeys_form_ids.h"
#include "main/settings_dialog/dialog_values.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/settings_dialog/hotkey_check_box.h"
#include "main/settings_dialog/icon_choice.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings_dialog/shortcut_files_win32.h"
#include "main/settings_dialog/shortcut_steps.h"
#include "main/settings_dialog/settings_host.h"

namespace qvx {

namespace {

constexpr int kTooltipLimit = 30;  // characters of Text4; the tray's tip then always fits

std::wstring ControlText(HWND dialog, int id) {
  HWND control = GetDlgItem(dialog, id);
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(control)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(control, text.data(), static_cast<int>(text.size()))));
  return text;
}

Lines ReadLinesOrNone(const std::wstring& path) { return ReadTextFileLines(path).value_or(Lines{}); }

// A Windows hot-key control standing in as a hotkey entry box, with its "Enabled" box.
class HotKeyControl : public HotkeyEntryBox {
 public:
  HotKeyControl(int hotkeyId, int checkId) : hotkeyId_(hotkeyId), checkId_(checkId) {}
  void Attach(HWND dialog) { dialog_ = dialog; }

  std::uint8_t Modifiers() const override { return HIBYTE(LOWORD(Value())); }
  std::uint8_t KeyCode() const override { return LOBYTE(LOWORD(Value())); }
  void SetCombination(std::uint8_t modifiers, std::uint8_t keyCode) override {
    SendDlgItemMessageW(dialog_, hotkeyId_, HKM_SETHOTKEY, MAKEWORD(keyCode, modifiers), 0);
  }
  void SetEntryEnabled(bool enabled) override {
    HWND box = GetDlgItem(dialog_, hotkeyId_);
    EnableWindow(box, enabled);
    InvalidateRect(box, nullptr, TRUE);  // not every hot-key control repaints itself on a change of state
  }
  void ShowTick(bool ticked) override { CheckDlgButton(dialog_, checkId_, ticked ? BST_CHECKED : BST_UNCHECKED); }
  void ShowReservedMessage() override {
    ShowMessage(dialog_, kReservedHotkeyText, kQuorvexTitle, MB_OK | MB_ICONEXCLAMATION);
  }

 private:
  LRESULT Value() const { return SendDlgItemMessageW(dialog_, hotkeyId_, HKM_GETHOTKEY, 0, 0); }

  HWND dialog_ = nullptr;
  int hotkeyId_;
  int checkId_;
};

// HotkeysForm: the settings dialog, alive only while it is shown.
class HotkeysForm {
 public:
  explicit HotkeysForm(SettingsHost& form) : form_(form), state_(form.State()) {}
  HotkeysForm(const HotkeysForm&) = delete;
  HotkeysForm& operator=(const HotkeysForm&) = delete;
  ~HotkeysForm() { ReleaseIcons(); }

  void ShowModal() {
    DialogBoxParamW(form_.ModuleInstance(), MAKEINTRESOURCEW(IDD_HotkeysForm), form_.Window(), DialogProc,
                    reinterpret_cast<LPARAM>(this));
  }

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  void Form_Load();
  void Form_Unload();
  void Command1_Click();
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void VScroll1_Change();
  void VScroll1_Scroll(WORD request, WORD thumb);

  void CentreOnScreen();
  void AddTooltips();
  void ReadHotkeysIntoBoxes();
  DialogContents Contents() const;
  void ReleaseIcons();

  SettingsHost& form_;
  SharedState& state_;
  HWND hwnd_ = nullptr;
  HWND tooltips_ = nullptr;
  Lines hotkeyLines_;    // List1: the hotkey file as read at opening or at the last "Restore"
  Lines settingsLines_;  // List2: the settings file as read at opening; its line 5 names old shortcuts
  Lines reserved_;       // List4: the reserved combinations, filled last at opening
  HotKeyControl hotKey1_{IDC_ccrpHotKey1, IDC_Check1};
  HotKeyControl hotKey2_{IDC_ccrpHotKey2, IDC_Check2};
  EnabledCheckBox check1_{hotKey1_, reserved_};
  EnabledCheckBox check2_{hotKey2_, reserved_};
  int iconNumber_ = kFirstIconNumber;  // VScroll1's value
  HICON preview_ = nullptr;
  WindowIcons icons_;
  bool closing_ = false;
};

INT_PTR CALLBACK HotkeysForm::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* form = reinterpret_cast<HotkeysForm*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    form->hwnd_ = hwnd;
  }
  auto* form = reinterpret_cast<HotkeysForm*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return form ? form->HandleMessage(msg, wParam, lParam) : FALSE;
}

INT_PTR HotkeysForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      Form_Load();
      return TRUE;  // the focus goes to the first box, "Launch URL:"
    case WM_COMMAND:
      if (HIWORD(wParam) != BN_CLICKED) return FALSE;
      switch (LOWORD(wParam)) {
        case IDC_Check1: check1_.UserClicked(); return TRUE;
        case IDC_Check2: check2_.UserClicked(); return TRUE;
        case IDC_Command1: Command1_Click(); return TRUE;
        case IDC_Command2: Command2_Click(); return TRUE;
        case IDC_Command3: Command3_Click(); return TRUE;
        case IDC_Command4: Command4_Click(); return TRUE;
        case IDOK:
        case IDCANCEL:
          return TRUE;  // no OK and no Cancel: Enter and Escape do not close the dialog
      }
      return FALSE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd_, IDC_VScroll1)) {
        VScroll1_Scroll(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:  // the close box, the system menu, Alt+F4
      if (!closing_) {
        closing_ = true;
        Form_Unload();
        EndDialog(hwnd_, 0);
      }
      return TRUE;
  }
  return FALSE;
}

void HotkeysForm::Form_Load() {
  hotKey1_.Attach(hwnd_);
  hotKey2_.Attach(hwnd_);
  CentreOnScreen();
  AddTooltips();
  SendDlgItemMessageW(hwnd_, IDC_Text4, EM_SETLIMITTEXT, kTooltipLimit, 0);
  SCROLLINFO scroll{sizeof scroll, SIF_RANGE | SIF_PAGE | SIF_POS, kFirstIconNumber, kLastIconNumber, 0,
                    kFirstIconNumber, 0};
  SetScrollInfo(GetDlgItem(hwnd_, IDC_VScroll1), SB_CTL, &scroll, FALSE);

  ReadHotkeysIntoBoxes();

  settingsLines_ = ReadLinesOrNone(state_.SettingsFilePath);
  state_.TrayIconName = LineOrEmpty(settingsLines_, 0);
  iconNumber_ = OpeningIconNumber(state_.TrayIconName);
  SetScrollPos(GetDlgItem(hwnd_, IDC_VScroll1), SB_CTL, iconNumber_, TRUE);
  VScroll1_Change();  // also for icon 1, so that the preview shows the stored icon

  const DialogTexts texts = OpeningTexts(settingsLines_);
  SetDlgItemTextW(hwnd_, IDC_Text1, texts.Text1.c_str());
  SetDlgItemTextW(hwnd_, IDC_Text2, texts.Text2.c_str());
  SetDlgItemTextW(hwnd_, IDC_Text3, texts.Text3.c_str());
  SetDlgItemTextW(hwnd_, IDC_Text4, texts.Text4.c_str());

  // Last: the boxes set above were checked against an empty list, so the stored hotkeys stand.
  reserved_ = ReservedHotkeyRows();
}

void HotkeysForm::ReadHotkeysIntoBoxes() {
  hotkeyLines_ = ReadLinesOrNone(state_.HotkeyFilePath);
  const HotkeyBoxValues launch = OpeningHotkey(hotkeyLines_, false);
  hotKey1_.SetCombination(launch.Modifiers, launch.KeyCode);
  check1_.SetTicked(launch.Enabled);
  const HotkeyBoxValues toggle = OpeningHotkey(hotkeyLines_, true);
  hotKey2_.SetCombination(toggle.Modifiers, toggle.KeyCode);
  check2_.SetTicked(toggle.Enabled);
}

DialogContents HotkeysForm::Contents() const {
  DialogContents d;
  d.TrayIconName = state_.TrayIconName;
  d.Texts = {ControlText(hwnd_, IDC_Text1), ControlText(hwnd_, IDC_Text2), ControlText(hwnd_, IDC_Text3),
             ControlText(hwnd_, IDC_Text4)};
  d.Launch = {hotKey1_.Modifiers(), hotKey1_.KeyCode(), check1_.Ticked()};
  d.Toggle = {hotKey2_.Modifiers(), hotKey2_.KeyCode(), check2_.Ticked()};
  return d;
}

void HotkeysForm::Form_Unload() {
  form_.ApplyTrayIcon();
  const DialogContents contents = Contents();
  const SavedFiles files = SaveDialog(contents, state_);
  // The settings file first, then the hotkey file; the shared state keeps the new values
  // for this run even when the directory refuses them.
  const bool settingsSaved = WriteTextFileAtomically(state_.SettingsFilePath, files.SettingsFile);
  const bool hotkeysSaved = WriteTextFileAtomically(state_.HotkeyFilePath, files.HotkeyFile);
  if (!settingsSaved || !hotkeysSaved) {
    ShowMessage(hwnd_, kSaveFailedText, kQuorvexTitle, MB_OK | MB_ICONEXCLAMATION);
  }

  ShortcutRequest request;
  request.Check3 = IsDlgButtonChecked(hwnd_, IDC_Check3) == BST_CHECKED;
  request.Check4 = IsDlgButtonChecked(hwnd_, IDC_Check4) == BST_CHECKED;
  request.Text4 = contents.Texts.Text4;
  request.OldName = LineOrEmpty(settingsLines_, 4);
  request.ProgramDirectory = ProgramDirectory();
  ShellShortcuts shell(hwnd_);
  RunShortcutSteps(request, shell);
}

void HotkeysForm::Command1_Click() {
  const std::wstring value = std::to_wstring(hotKey1_.Modifiers()) + L"," + std::to_wstring(hotKey1_.KeyCode());
  ShowMessage(hwnd_, value, kQuorvexTitle, MB_OK);
}

void HotkeysForm::Command2_Click() { ReadHotkeysIntoBoxes(); }

void HotkeysForm::Command3_Click() {
  check1_.SetTicked(true);
  check2_.SetTicked(true);
}

void HotkeysForm::Command4_Click() {
  check1_.SetTicked(false);
  check2_.SetTicked(false);
}

void HotkeysForm::VScroll1_Scroll(WORD request, WORD thumb) {
  int value = iconNumber_;
  switch (request) {
    case SB_LINEDOWN:
    case SB_PAGEDOWN: ++value; break;
    case SB_LINEUP:
    case SB_PAGEUP: --value; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: value = thumb; break;
    case SB_TOP: value = kFirstIconNumber; break;
    case SB_BOTTOM: value = kLastIconNumber; break;
    default: return;
  }
  value = std::clamp(value, kFirstIconNumber, kLastIconNumber);
  if (value == iconNumber_) return;
  iconNumber_ = value;
  SetScrollPos(GetDlgItem(hwnd_, IDC_VScroll1), SB_CTL, value, TRUE);
  VScroll1_Change();
}

void HotkeysForm::VScroll1_Change() {
  state_.TrayIconName = IconName(iconNumber_);
  const HINSTANCE instance = form_.ModuleInstance();

  // The preview fills its box at any DPI: the largest standard size that fits.
  RECT box{};
  GetClientRect(GetDlgItem(hwnd_, IDC_Picture1), &box);
  const int room = std::min(box.right - box.left, box.bottom - box.top);
  int size = 16;
  for (int candidate : {20, 24, 32, 40, 48, 64}) {
    if (candidate <= room) size = candidate;
  }
  HICON preview = LoadIconSized(instance, state_.TrayIconName, size);
  SendDlgItemMessageW(hwnd_, IDC_Picture1, STM_SETICON, reinterpret_cast<WPARAM>(preview), 0);
  if (preview_) DestroyIcon(preview_);
  preview_ = preview;

  icons_.Apply(hwnd_, instance, state_.TrayIconName);
}

void HotkeysForm::CentreOnScreen() {
  // The screen the main window is on; with one monitor, the screen.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  GetMonitorInfoW(MonitorFromWindow(form_.Window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
  RECT window{};
  GetWindowRect(hwnd_, &window);
  const RECT& screen = monitor.rcMonitor;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int left = screen.left + (screen.right - screen.left) / 2 - width / 2;
  const int top = screen.top + (screen.bottom - screen.top) / 2 - height / 2;
  SetWindowPos(hwnd_, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HotkeysForm::AddTooltips() {
  tooltips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                              CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                              form_.ModuleInstance(), nullptr);
  if (!tooltips_) return;
  // Long tips wrap at about 300 pixels at 96 DPI, wider at higher DPI.
  SendMessageW(tooltips_, TTM_SETMAXTIPWIDTH, 0, MulDiv(300, static_cast<int>(GetDpiForWindow(hwnd_)), 96));
  const std::pair<int, const wchar_t*> tips[] = {{IDC_Text2, kTipText2},
                                                 {IDC_Text3, kTipText3},
                                                 {IDC_Text4, kTipText4},
                                                 {IDC_ccrpHotKey1, kTipHotKey1},
                                                 {IDC_ccrpHotKey2, kTipHotKey2}};
  for (const auto& [id, text] : tips) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(GetDlgItem(hwnd_, id));
    tool.lpszText = const_cast<wchar_t*>(text);
    SendMessageW(tooltips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  }
}

void HotkeysForm::ReleaseIcons() {
  if (preview_) DestroyIcon(preview_);
  preview_ = nullptr;
}

} // namespace

void SettingsDialog::Run(SettingsHost& host) {
  if (open_) return;
  open_ = true;
  HotkeysForm dialog(host);
  dialog.ShowModal();
  open_ = false;
}

void SettingsDialog::SaveAndClose() {}

} // namespace qvx
