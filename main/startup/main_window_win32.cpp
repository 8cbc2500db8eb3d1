#include "main/startup/main_window_win32.h"

#include "common/common_controls_win32.h"
#include "common/message_box_win32.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/hotkey_pass.h"
#include "main/desktop/hotkeys_win32.h"
#include "main/startup/instance_guard.h"
#include "main/startup/settings_files.h"
#include "main/startup/settings_io_win32.h"
#include "main/startup/user_settings_win32.h"
#include "main/startup/version_text.h"
#include "main_window_ids.h"
#include "version.h"

namespace qvx {

namespace {
// Posted to the window itself: the start-up's second half, and a hotkey warning (wParam: the
// number of failures), so that no box is shown from inside a sequence.
constexpr UINT kFinishStartupMessage = WM_APP + 1;
constexpr UINT kHotkeyWarningMessage = WM_APP + 2;
// Retries the tray icon while the shell refuses it (no notification area yet).
constexpr UINT_PTR kTrayRetryTimer = 2;
constexpr UINT kTrayRetryInterval = 2000;

// The About window's controls sit in a child dialog; their commands are the main window's.
INT_PTR CALLBACK ForwardCommands(HWND content, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_COMMAND) return FALSE;
  SendMessageW(GetParent(content), WM_COMMAND, wParam, lParam);
  return TRUE;
}
} // namespace

MainWindow::~MainWindow() {
  if (Handle()) DestroyWindow(Handle());
}

bool MainWindow::Start() {
  // The dialog template names this class, so that the main window is told apart from the
  // program's message boxes; it behaves as any dialog.
  RegisterDialogClass(instance_, QVX_MAIN_WINDOW_CLASS);
  if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_MAIN_WINDOW), nullptr, Procedure,
                          reinterpret_cast<LPARAM>(this))) {
    return false;
  }
  parts_.dialogs.Add(Handle());
  SharedState& state = parts_.state;
  // The settings file (created when missing) and its values.
  SettingsFileCheck(state);
  ReadSettingsFile(state);
  if (!IsTrayIconName(state.TrayIconName)) state.TrayIconName = kDefaultTrayIconName;
  EnterTray();
  HotkeyFileCheck(state);
  const int failures = RegisterHotkeys(Handle(), state);
  MarkInTray(true);
  PostMessageW(Handle(), kFinishStartupMessage, static_cast<WPARAM>(failures), 0);
  return true;
}

void MainWindow::FinishStartup(int hotkeyFailures) {
  // What presses need is made once the icon and the hotkeys are up.
  parts_.switcher.Prepare();
  // The running flag is only a record (the directory's mutex guards the start); it is written,
  // with its flush to disk, once the icon and the hotkeys are up.
  WriteStatusFile(kStatusRunning);
  // The "SplashShow" value is read (and set to "Y" when missing) before any box appears.
  const std::wstring splashShow = ReadSplashShowAtStart();
  if (hotkeyFailures != 0) ShowHotkeyWarning(hotkeyFailures);
  if (ending_) return;  // "&Exit" was chosen while the warning was up
  // The information form comes after the warning, never before it.
  parts_.informationForm.ShowIfWindowReuseOn(instance_, splashShow);
}

void MainWindow::ShowHotkeyWarning(int failures) {
  parts_.state.HotkeyFailCount = 0;
  ShowMessage(nullptr, HotkeyWarningText(failures), kHotkeyWarningTitle, MB_OK | MB_ICONHAND);
}

void MainWindow::EnsureComInitialised() {
  if (!com_) com_.emplace();
}

void MainWindow::ApplyTrayIcon() {
  SharedState& state = parts_.state;
  if (!IsTrayIconName(state.TrayIconName) || !icons_.Apply(Handle(), instance_, state.TrayIconName)) {
    state.TrayIconName = kDefaultTrayIconName;
    icons_.Apply(Handle(), instance_, state.TrayIconName);
  }
}

void MainWindow::PrepareAboutWindow() {
  if (aboutContent_) return;
  ApplyTrayIcon();
  LoadCommonControls(ICC_STANDARD_CLASSES);
  aboutContent_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT_CONTENT), Handle(), ForwardCommands, 0);
  if (!aboutContent_) return;
  picture_.Reset(static_cast<HBITMAP>(LoadImageW(instance_, L"QUORVEXPIC", IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
  SendDlgItemMessageW(aboutContent_, IDC_ABOUT_PICTURE, STM_SETIMAGE, IMAGE_BITMAP,
                      reinterpret_cast<LPARAM>(picture_.Get()));
  SetDlgItemTextW(aboutContent_, IDC_ABOUT_VERSION,
                  VersionLine(QVX_VERSION_MAJOR, QVX_VERSION_MINOR, QVX_VERSION_REVISION).c_str());
  LOGFONTW font{};
  GetObjectW(reinterpret_cast<HFONT>(SendMessageW(aboutContent_, WM_GETFONT, 0, 0)), sizeof font, &font);
  font.lfWeight = FW_BOLD;
  font.lfItalic = TRUE;
  sloganFont_.Reset(CreateFontIndirectW(&font));
  SendDlgItemMessageW(aboutContent_, IDC_ABOUT_SLOGAN, WM_SETFONT, reinterpret_cast<WPARAM>(sloganFont_.Get()), TRUE);
}

void MainWindow::MarkInTray(bool inTray) {
  if (inTray) {
    SetPropW(Handle(), kInTrayProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(Handle(), kInTrayProperty);
  }
}

void MainWindow::EnterTray() {
  if (inTray_) return;
  inTray_ = true;
  const bool added = parts_.trayIcon.Add(Handle(), instance_, parts_.state.TrayIconName,
                                         TrayTipText(parts_.state.TrayTooltip));
  // No notification area yet (the taskbar starts after us): retry until it is there, and only then.
  if (!added) retryingTray_ = SetTimer(Handle(), kTrayRetryTimer, kTrayRetryInterval, nullptr) != 0;
  AnimateToTray(Handle());
  ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::LeaveTray() {
  if (!inTray_) return;
  inTray_ = false;
  if (retryingTray_) KillTimer(Handle(), kTrayRetryTimer);
  retryingTray_ = false;
  parts_.trayIcon.Remove();
}

void MainWindow::RegisterHotkeysAndReport() {
  const int failures = RegisterHotkeys(Handle(), parts_.state);
  if (failures != 0) PostMessageW(Handle(), kHotkeyWarningMessage, static_cast<WPARAM>(failures), 0);
}

void MainWindow::ToggleSiteWindows() {
  const SharedState& state = parts_.state;
  parts_.switcher.Toggle({state.BrowserTextKeyword, state.URLKeyword, state.LaunchURL});
}

void MainWindow::LaunchNewSession() {
  parts_.switcher.LaunchNew(parts_.state.LaunchURL);
}

void MainWindow::ShowTrayMenu(POINT at) {
  const ScopedMenu menu(LoadMenuW(instance_, MAKEINTRESOURCEW(IDR_TRAY_MENU)));
  if (!menu) return;
  // Foreground first and WM_NULL after, or the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(Handle());
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const auto command = static_cast<UINT>(
      TrackPopupMenu(GetSubMenu(menu.Get(), 0), align | TPM_RIGHTBUTTON | TPM_RETURNCMD, at.x, at.y, 0, Handle(), nullptr));
  PostMessageW(Handle(), WM_NULL, 0, 0);
  if (command != 0) OnCommand(command);
}

void MainWindow::ShowAbout() {
  if (IsShown()) {
    SetForegroundWindow(Handle());
    return;
  }
  MarkInTray(false);
  UnregisterHotkeys(Handle(), parts_.state);
  LeaveTray();
  PrepareAboutWindow();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

void MainWindow::CloseToTray() {
  // A close request for a window that is not shown (the program is in the tray) changes nothing.
  if (!IsShown() || ending_) return;
  EnterTray();
  // The hotkeys as the hotkey file holds them now: the settings dialog may have changed them.
  RegisterHotkeysAndReport();
  MarkInTray(true);
}

void MainWindow::Exit() {
  UnregisterHotkeys(Handle(), parts_.state);
  LeaveTray();
  WriteStatusFile(kStatusStopped);
  End();
}

void MainWindow::EndSession() {
  WriteStatusFile(kStatusStopped);
  UnregisterHotkeys(Handle(), parts_.state);
  LeaveTray();
  End();
}

void MainWindow::End() {
  if (ending_) return;
  ending_ = true;
  MarkInTray(false);
  // Every other window of the program goes first (the information form keeps its tick); the
  // message loop then ends.
  EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM self) -> BOOL {
    if (w != reinterpret_cast<HWND>(self)) DestroyWindow(w);
    return TRUE;
  }, reinterpret_cast<LPARAM>(Handle()));
  parts_.dialogs.Remove(Handle());
  DestroyWindow(Handle());
  PostQuitMessage(0);
}

bool MainWindow::OnCommand(UINT id) {
  switch (id) {
    case IDM_TRAY_LAUNCH_NEW: LaunchNewSession(); return true;
    case IDM_TRAY_SITE_WINDOWS:
      parts_.siteWindows.Open({parts_.state.BrowserTextKeyword, parts_.state.URLKeyword, parts_.state.LaunchURL});
      return true;
    case IDM_TRAY_ABOUT: ShowAbout(); return true;
    case IDM_TRAY_EXIT: Exit(); return true;
    case IDC_OPEN_SETTINGS:
      // Only the shown About window opens the dialog, one at a time.
      if (IsShown() && !parts_.settingsDialog.IsOpen()) {
        EnsureComInitialised();
        parts_.settingsDialog.Run(*this);
      }
      return true;
    case IDCANCEL: CloseToTray(); return true;  // Escape in the shown window: as its close box
  }
  return false;
}

INT_PTR MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kTrayCallbackMessage) {
    POINT at{};
    switch (parts_.trayIcon.Decode(wParam, lParam, &at)) {
      case TrayIcon::Request::Toggle: ToggleSiteWindows(); break;
      case TrayIcon::Request::Menu: ShowTrayMenu(at); break;
      case TrayIcon::Request::None: break;
    }
    return TRUE;
  }
  if (msg == taskbarCreated_) {
    // Explorer restarted: our icon went with the old taskbar.
    if (inTray_ && !parts_.trayIcon.AddAgain() && !retryingTray_) {
      retryingTray_ = SetTimer(Handle(), kTrayRetryTimer, kTrayRetryInterval, nullptr) != 0;
    }
    return TRUE;
  }
  switch (msg) {
    case WM_INITDIALOG:
      return FALSE;  // hidden: no focus to set
    case kFinishStartupMessage:
      FinishStartup(static_cast<int>(wParam));
      return TRUE;
    case kHotkeyWarningMessage:
      ShowHotkeyWarning(static_cast<int>(wParam));
      return TRUE;
    case WM_HOTKEY:
      if (!hotkeyPresses_.IsNewPress(Handle(), wParam, lParam)) return TRUE;
      switch (ActionForHotkey(wParam)) {
        case HotkeyAction::Launch: LaunchNewSession(); break;
        case HotkeyAction::Toggle: ToggleSiteWindows(); break;
        case HotkeyAction::None: break;
      }
      return TRUE;
    case WM_TIMER:
      if (wParam == HotkeyPresses::kKeyWatchTimer) hotkeyPresses_.WatchKeys(Handle());
      if (wParam == kTrayRetryTimer && (!inTray_ || parts_.trayIcon.AddAgain())) {
        KillTimer(Handle(), kTrayRetryTimer);
        retryingTray_ = false;
      }
      return TRUE;
    case WM_DPICHANGED:
      parts_.trayIcon.ReloadImage();
      return FALSE;  // the dialog manager rescales the About window
    case WM_COMMAND:
      return OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    case WM_SYSCOMMAND:
      // The close box, the system menu and Alt+F4 arrive here; a WM_CLOSE that did not pass
      // this way came from outside (the task manager).
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        CloseToTray();
        return Answer(0);
      }
      return FALSE;
    case WM_CLOSE:
      EndSession();
      return TRUE;
    case WM_QUERYENDSESSION:
      return Answer(TRUE);
    case WM_ENDSESSION:
      if (wParam) {
        parts_.settingsDialog.SaveAndClose();  // what the user typed is kept
        EndSession();
      }
      return Answer(0);
  }
  return FALSE;
}

} // namespace qvx
