#include "main/startup/form1_win32.h"

#include "common/message_loop_win32.h"
#include "common/window_icons_win32.h"
#include "form1_ids.h"
#include "main/desktop/desktop_win32.h"
#include "main/startup/instance_guard.h"
#include "main/startup/settings_files.h"
#include "main/startup/settings_io_win32.h"
#include "main/startup/user_settings_win32.h"
#include "main/startup/version_text.h"
#include "version.h"

namespace qvx {

Form1& Form1::Instance() {
  static Form1 form;
  return form;
}

bool Form1::Load(HINSTANCE instance) {
  instance_ = instance;
  // The dialog template names this class, so that the main window is told apart from the
  // program's message boxes; it behaves as any dialog.
  RegisterDialogClass(instance, QVX_FORM1_CLASS);
  hwnd_ = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_Form1), nullptr, DialogProc, 0);
  if (!hwnd_) return false;
  AddModelessDialog(hwnd_);
  Form_Load();
  return true;
}

void Form1::Form_Load() {
  // The start-up runs in a fixed order: the switcher (toggle state, foreground) first.
  static SiteSwitcher switcher;
  switcher_ = &switcher;
  // The per-user "SplashShow" value, kept for the window-reuse check at the end.
  splashShow_ = ReadSplashShowAtStart();
  // The settings file (created when missing), the running flag, the values into the shared state.
  AllOtherSettingsCheck(state_);
  ReadSettingsFile(state_);
  // Icon, picture and captions.
  ApplyTrayIcon();
  InitAboutControls();
  SetWindowTextW(hwnd_, L"Quorvex");
  // Into the tray, before the hotkeys are registered.
  Command2_Click();
  // The hotkey file (created when missing) and the registration pass.
  RegisterHotkeys(*this, /*checkHotkeyFileFirst=*/true);
  // The window-reuse check, last, so its form comes after any hotkey warning.
  ProbeWindowReuse(*this, splashShow_);
  MarkInTray(true);
}

void Form1::MarkInTray(bool inTray) {
  // Lets automation (and the end-to-end tests) see when the program has settled in the tray
  // with its hotkeys registered, without guessing from timings.
  if (inTray) {
    SetPropW(hwnd_, kInTrayProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(hwnd_, kInTrayProperty);
  }
}

void Form1::ApplyTrayIcon() {
  if (!IsTrayIconName(state_.TrayIconName) || !icons_.Apply(hwnd_, instance_, state_.TrayIconName)) {
    state_.TrayIconName = kDefaultTrayIconName;
    icons_.Apply(hwnd_, instance_, state_.TrayIconName);
  }
}

void Form1::InitAboutControls() {
  picture_ = static_cast<HBITMAP>(LoadImageW(instance_, L"QUORVEXPIC", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR));
  SendDlgItemMessageW(hwnd_, IDC_Picture1, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_));
  SetDlgItemTextW(hwnd_, IDC_Label1, VersionLine(QVX_VERSION_MAJOR, QVX_VERSION_MINOR, QVX_VERSION_REVISION).c_str());
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  sloganFont_ = CreateFontIndirectW(&font);
  SendDlgItemMessageW(hwnd_, IDC_Label3, WM_SETFONT, reinterpret_cast<WPARAM>(sloganFont_), TRUE);
}

void Form1::Command1_Click() {
  Switcher().Toggle({state_.BrowserTextKeyword, state_.URLKeyword, state_.LaunchURL});
}
void Form1::Command2_Click() { TrayEntry(*this); }
void Form1::Command3_Click() { Switcher().LaunchNew(state_.LaunchURL); }
void Form1::Command4_Click() {
  // Only the About window's button opens the dialog; one at a time.
  if (IsShown()) settingsDialog_.Run(*this);
}
void Form1::mnuZOLTEOpen_Click() { Switcher().LaunchNew(state_.LaunchURL); }

void Form1::mnuAbout_Click() {
  if (IsShown()) {
    SetForegroundWindow(hwnd_);
    return;
  }
  MarkInTray(false);
  UnregisterHotkeys(*this);
  RemoveFromTray(*this);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
}

void Form1::mnuExit_Click() {
  UnregisterHotkeys(*this);
  RemoveFromTray(*this);
  WriteStatusFile(kStatusStopped);
  Form_QueryUnload(UnloadMode::ProgramExit);
}

void Form1::Form_QueryUnload(UnloadMode mode) {
  switch (mode) {
    case UnloadMode::UserClose:
      // The close is cancelled: back to the tray, hotkeys from the hotkey file as it is now.
      Command2_Click();
      RegisterHotkeys(*this, /*checkHotkeyFileFirst=*/false);
      MarkInTray(true);
      return;
    case UnloadMode::TaskManager:
    case UnloadMode::WindowsEnding:
      WriteStatusFile(kStatusStopped);
      RemoveFromTray(*this);
      break;
    case UnloadMode::ProgramExit:
      break;
  }
  Form_Unload();
}

void Form1::Form_Unload() {
  UnregisterHotkeys(*this);
  EndProgram();
}

void Form1::EndProgram() {
  if (ending_) return;
  ending_ = true;
  // Every window of the program goes with the main window; the message loop then ends.
  EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM self) -> BOOL {
    if (w != reinterpret_cast<HWND>(self)) DestroyWindow(w);
    return TRUE;
  }, reinterpret_cast<LPARAM>(hwnd_));
  MarkInTray(false);
  RemoveModelessDialog(hwnd_);
  DestroyWindow(hwnd_);
  PostQuitMessage(0);
}

INT_PTR CALLBACK Form1::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Form1& form = Instance();
  if (!form.hwnd_) form.hwnd_ = hwnd;  // messages sent while the window is being created
  if (hwnd != form.hwnd_) return FALSE;
  return form.HandleMessage(msg, wParam, lParam);
}

INT_PTR Form1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      return FALSE;  // hidden: no focus to set
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_Command4: Command4_Click(); return TRUE;
        case IDM_mnuZOLTEOpen: mnuZOLTEOpen_Click(); return TRUE;
        case IDM_mnuAbout: mnuAbout_Click(); return TRUE;
        case IDM_mnuExit: mnuExit_Click(); return TRUE;
        case IDCANCEL:  // Escape in the shown window closes it like its close box
          if (IsShown()) Form_QueryUnload(UnloadMode::UserClose);
          return TRUE;
      }
      return FALSE;
    case WM_SYSCOMMAND:
      // The close box, the system menu and Alt+F4 arrive here; a WM_CLOSE that did not pass
      // this way came from outside (the task manager).
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        Form_QueryUnload(UnloadMode::UserClose);
        SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, 0);
        return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      Form_QueryUnload(UnloadMode::TaskManager);
      return TRUE;
    case WM_QUERYENDSESSION:
      SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, TRUE);
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        settingsDialog_.SaveAndClose();  // what the user typed is kept
        Form_QueryUnload(UnloadMode::WindowsEnding);
      }
      return TRUE;
    case WM_DESTROY:
      if (sloganFont_) DeleteObject(sloganFont_);
      if (picture_) DeleteObject(picture_);
      sloganFont_ = nullptr;
      picture_ = nullptr;
      return FALSE;
  }
  (void)lParam;
  return FALSE;
}

} // namespace qvx
