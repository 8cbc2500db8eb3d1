#include "main/app/main_window_win32.h"

#include <utility>

#include "common/common_controls_win32.h"
#include "common/dialog_win32.h"
#include "common/message_box_win32.h"
#include "main/app/version_text.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/hotkey_pass.h"
#include "main/settings/information_form_setting_win32.h"
#include "main/settings/settings_files.h"
#include "main/settings/settings_files_win32.h"
#include "main_window_ids.h"
#include "version.h"

namespace qvx {

namespace {
// Posted to the window itself, so that nothing runs inside a sequence or a broadcast. Each only
// says "look now": what it acts on is held by the window, and anyone else's post finds nothing.
constexpr UINT kFinishStartupMessage = WM_APP + 1;
constexpr UINT kHotkeyWarningMessage = WM_APP + 2;
constexpr UINT kTrayReAddMessage = WM_APP + 3;
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

LRESULT CALLBACK MainWindow::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    self->window_.Reset(window);
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_.Release();  // destroyed by whoever ended it: nothing left to free
    return DefWindowProcW(window, msg, wParam, lParam);
  }
  return self->HandleMessage(msg, wParam, lParam);
}

bool MainWindow::Start() {
  // A class of its own, so that the main window is told apart from the program's message boxes.
  RegisterWindowClass(instance_, QVX_MAIN_WINDOW_CLASS, WindowProc);
  // Hidden and without a size: the first About gives it the size of its content.
  if (!CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, QVX_MAIN_WINDOW_CLASS, L"Quorvex",
                       WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr, nullptr, instance_,
                       this)) {
    return false;
  }
  ProgramSettings& settings = parts_.settings;
  // The settings file (created when missing) and its values.
  CreateSettingsFileIfMissing(settings);
  ReadSettingsFile(settings);
  if (!IsTrayIconName(settings.trayIconName)) settings.trayIconName = kDefaultTrayIconName;
  EnterTray();
  if (ending_) return true;  // ended from inside the tray call: the loop finds its quit message
  CreateHotkeyFileIfMissing(settings);
  unreportedHotkeyFailures_ = hotkeys_.Register(Handle(), settings);
  MarkSettled(true);
  startupSecondHalfPending_ = true;
  PostMessageW(Handle(), kFinishStartupMessage, 0, 0);
  return true;
}

void MainWindow::FinishStartup() {
  if (!std::exchange(startupSecondHalfPending_, false) || ending_) return;
  // The running flag is only a record (the directory's object guards the start); it is written,
  // with its flush to disk, once the icon and the hotkeys are up.
  WriteStatusFile(parts_.settings, kStatusRunning);
  // Not needed before the first click or press, so only now.
  trayIcon_.AskForVersion4();
  parts_.switcher.Prepare();
  // The information form's setting is read (and set to "Y" when missing) before any box appears.
  const std::wstring showInformationForm = ReadInformationFormSettingAtStart();
  ReportHotkeyFailures();
  if (ending_) return;  // "&Exit" was chosen while the warning was up
  // The information form comes after the warning, never before it.
  parts_.informationForm.ShowIfWindowReuseOn(instance_, showInformationForm);
}

void MainWindow::ReportHotkeyFailures() {
  const int failures = std::exchange(unreportedHotkeyFailures_, 0);
  if (failures != 0) ShowMessage(nullptr, HotkeyWarningText(failures), kHotkeyWarningTitle, MB_OK | MB_ICONHAND);
}

void MainWindow::EnsureComInitialised() {
  if (!com_) com_.emplace();
}

void MainWindow::SetAboutWindowIcon() {
  ProgramSettings& settings = parts_.settings;
  if (!IsTrayIconName(settings.trayIconName) || !icons_.Apply(Handle(), instance_, settings.trayIconName)) {
    settings.trayIconName = kDefaultTrayIconName;
    icons_.Apply(Handle(), instance_, settings.trayIconName);
  }
}

void MainWindow::PrepareAboutWindow() {
  if (aboutContent_) return;
  SetAboutWindowIcon();
  LoadCommonControls(ICC_STANDARD_CLASSES);
  aboutContent_ = CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_ABOUT_CONTENT), Handle(), ForwardCommands, 0);
  if (!aboutContent_) return;
  // The window takes the content's size, in the middle of its monitor; the message loop gives
  // the content its keyboard handling (Tab, Enter, Escape as IDCANCEL).
  parts_.dialogs.Add(aboutContent_);
  RECT content{}, window{}, client{};
  GetWindowRect(aboutContent_, &content);
  // Sized once to the content, then by the frame that size turned out to have.
  for (int pass = 0; pass < 2; ++pass) {
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    const int frameWidth = (window.right - window.left) - client.right;
    const int frameHeight = (window.bottom - window.top) - client.bottom;
    SetWindowPos(Handle(), nullptr, 0, 0, content.right - content.left + frameWidth,
                 content.bottom - content.top + frameHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  CentreOnMonitor(Handle());
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

void MainWindow::MarkSettled(bool settled) {
  if (settled) {
    SetPropW(Handle(), kSettledInTrayProperty, reinterpret_cast<HANDLE>(1));
  } else {
    RemovePropW(Handle(), kSettledInTrayProperty);
  }
}

void MainWindow::EnterTray() {
  if (trayIcon_.Shown()) return;
  trayIcon_.Show(Handle(), instance_, parts_.settings.trayIconName, TrayTipText(parts_.settings.trayTooltip));
  if (ending_) return;
  // No notification area yet (the taskbar starts after us): retry until it is there, and only then.
  if (trayIcon_.AwaitsShell()) SetTimer(Handle(), kTrayRetryTimer, kTrayRetryInterval, nullptr);
  AnimateToTray(Handle());
  ShowWindow(Handle(), SW_HIDE);
}

void MainWindow::LeaveTray() {
  KillTimer(Handle(), kTrayRetryTimer);
  trayIcon_.Hide();
}

void MainWindow::RetryTrayIcon() {
  if (trayIcon_.AwaitsShell()) trayIcon_.Retry();
  if (!trayIcon_.AwaitsShell()) KillTimer(Handle(), kTrayRetryTimer);
}

void MainWindow::RegisterHotkeys() {
  unreportedHotkeyFailures_ = hotkeys_.Register(Handle(), parts_.settings);
  if (unreportedHotkeyFailures_ != 0) PostMessageW(Handle(), kHotkeyWarningMessage, 0, 0);
}

void MainWindow::ToggleSiteWindows() {
  const ProgramSettings& settings = parts_.settings;
  parts_.switcher.Toggle({settings.browserTextKeyword, settings.urlKeyword, settings.launchUrl});
}

void MainWindow::LaunchNewSession() { parts_.switcher.LaunchNew(parts_.settings.launchUrl); }

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

void MainWindow::OnTrayCallback(WPARAM wParam, LPARAM lParam) {
  const TrayCallback callback = trayIcon_.Decode(wParam, lParam);
  switch (callback.request) {
    case TrayRequest::Toggle: ToggleSiteWindows(); break;
    case TrayRequest::Menu: {
      POINT at{callback.x, callback.y};
      if (!callback.hasPoint) GetCursorPos(&at);
      ShowTrayMenu(at);
      break;
    }
    case TrayRequest::None: break;
  }
}

void MainWindow::ShowAbout() {
  if (ending_) return;
  if (IsShown()) {
    SetForegroundWindow(Handle());
    return;
  }
  MarkSettled(false);
  hotkeys_.Unregister();
  LeaveTray();
  if (ending_) return;
  PrepareAboutWindow();
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
}

void MainWindow::CloseToTray() {
  // A close request for a window that is not shown (the program is in the tray) changes nothing.
  if (!IsShown() || ending_) return;
  EnterTray();
  if (ending_) return;  // an exit that began inside the tray call stands
  // The hotkeys as the hotkey file holds them now: the settings dialog may have changed them.
  RegisterHotkeys();
  MarkSettled(true);
}

// Both ends are marked before their first tray call, so that nothing handled inside that call
// (a close to the tray, About, a second end) undoes them.
void MainWindow::Exit() {
  if (std::exchange(ending_, true)) return;
  MarkSettled(false);
  hotkeys_.Unregister();
  LeaveTray();
  WriteStatusFile(parts_.settings, kStatusStopped);
  DestroyWindows();
}

void MainWindow::EndSession() {
  if (std::exchange(ending_, true)) return;
  MarkSettled(false);
  WriteStatusFile(parts_.settings, kStatusStopped);
  hotkeys_.Unregister();
  LeaveTray();
  DestroyWindows();
}

void MainWindow::DestroyWindows() {
  // Every other window of the program goes first (the information form keeps its tick); the
  // message loop then ends.
  EnumThreadWindows(GetCurrentThreadId(), [](HWND w, LPARAM self) -> BOOL {
    if (w != reinterpret_cast<HWND>(self)) DestroyWindow(w);
    return TRUE;
  }, reinterpret_cast<LPARAM>(Handle()));
  if (aboutContent_) parts_.dialogs.Remove(aboutContent_);
  window_.Reset();
  PostQuitMessage(0);
}

bool MainWindow::OnCommand(UINT id) {
  switch (id) {
    case IDM_TRAY_LAUNCH_NEW: LaunchNewSession(); return true;
    case IDM_TRAY_SITE_WINDOWS: {
      const ProgramSettings& settings = parts_.settings;
      parts_.siteWindows.Open({settings.browserTextKeyword, settings.urlKeyword, settings.launchUrl});
      return true;
    }
    case IDM_TRAY_ABOUT: ShowAbout(); return true;
    case IDM_TRAY_EXIT: Exit(); return true;
    case IDC_OPEN_SETTINGS:
      // Only the shown About window opens the dialog, one at a time.
      if (IsShown() && !ending_ && !parts_.settingsDialog.IsOpen()) {
        EnsureComInitialised();
        parts_.settingsDialog.ShowModal(*this);
      }
      return true;
    case IDCANCEL: CloseToTray(); return true;  // Escape in the shown window: as its close box
  }
  return false;
}

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kTrayCallbackMessage) {
    OnTrayCallback(wParam, lParam);
    return 0;
  }
  if (msg == taskbarCreated_) {
    // Explorer restarted and our icon went with the old taskbar. Added again from the window's
    // own queue, never inside the broadcast; many broadcasts make one re-add.
    if (trayIcon_.Shown() && !std::exchange(trayReAddPending_, true)) {
      PostMessageW(Handle(), kTrayReAddMessage, 0, 0);
    }
    return 0;
  }
  switch (msg) {
    case kFinishStartupMessage:
      FinishStartup();
      return 0;
    case kHotkeyWarningMessage:
      ReportHotkeyFailures();
      return 0;
    case kTrayReAddMessage:
      if (std::exchange(trayReAddPending_, false) && !ending_) {
        trayIcon_.ShowAgain();
        if (trayIcon_.AwaitsShell()) SetTimer(Handle(), kTrayRetryTimer, kTrayRetryInterval, nullptr);
      }
      return 0;
    case WM_HOTKEY:
      if (!hotkeyPresses_.IsNewPress(Handle(), wParam, lParam)) return 0;
      switch (ActionForHotkey(wParam)) {
        case HotkeyAction::Launch: LaunchNewSession(); break;
        case HotkeyAction::Toggle: ToggleSiteWindows(); break;
        case HotkeyAction::None: break;
      }
      return 0;
    case WM_TIMER:
      if (wParam == kTrayRetryTimer) RetryTrayIcon();
      if (wParam == HotkeyPresses::kKeyWatchTimer) hotkeyPresses_.WatchKeys(Handle());
      return 0;
    case WM_DPICHANGED: {
      trayIcon_.ReloadImage();
      const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
      SetWindowPos(Handle(), nullptr, suggested->left, suggested->top, suggested->right - suggested->left,
                   suggested->bottom - suggested->top, SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_ACTIVATE:
      // The keyboard goes to the About window's controls, as in any dialog.
      if (LOWORD(wParam) == WA_INACTIVE || !aboutContent_) break;
      SetFocus(aboutContent_);
      return 0;
    case WM_COMMAND:
      if (OnCommand(LOWORD(wParam))) return 0;
      break;
    case WM_SYSCOMMAND:
      // The close box, the system menu and Alt+F4 arrive here; a WM_CLOSE that did not pass
      // this way came from outside (the task manager).
      if ((wParam & 0xFFF0) == SC_CLOSE) {
        CloseToTray();
        return 0;
      }
      break;
    case WM_CLOSE:
      EndSession();
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (wParam) {
        parts_.settingsDialog.SaveAndClose();  // what the user typed is kept
        EndSession();
      }
      return 0;
  }
  return DefWindowProcW(Handle(), msg, wParam, lParam);
}

} // namespace qvx
