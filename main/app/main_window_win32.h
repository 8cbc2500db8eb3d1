#pragma once
// The main window of Quorv114: hidden while the program lives in the tray, shown as the About
// window. Its own procedure handles the hotkeys, the tray icon's callbacks, the tray menu,
// "TaskbarCreated" and every way the program is asked to close. It owns what is registered on
// it: the tray icon and the hotkeys. It is a plain window, not a dialog: the dialog manager's
// font and layout come only with the About window's content, at the first About.
#include <windows.h>

#include <optional>

#include "common/message_loop_win32.h"
#include "common/scoped_win32.h"
#include "common/window_icons_win32.h"
#include "main/desktop/hotkey_presses_win32.h"
#include "main/desktop/hotkeys_win32.h"
#include "main/desktop/information_form_win32.h"
#include "main/desktop/tray_icon_win32.h"
#include "main/settings/settings_record.h"
#include "main/settings_dialog/settings_dialog_win32.h"
#include "main/site_windows/site_windows_win32.h"
#include "main/switching/site_switcher_win32.h"

namespace qvx {

// A property of the main window, present while the program sits in the tray with its start-up
// or its return to the tray complete, so that automation can tell when it has settled.
inline constexpr wchar_t kSettledInTrayProperty[] = L"QuorvexInTray";

// The parts of the program the main window drives; the application object owns them.
struct ProgramParts {
  ProgramSettings& settings;
  SiteSwitcher& switcher;  // prepared once the icon and the hotkeys are up
  SiteWindowsView& siteWindows;
  SettingsDialogOpener& settingsDialog;
  InformationForm& informationForm;
  ModelessDialogs& dialogs;
};

class MainWindow : public SettingsHost {
 public:
  MainWindow(HINSTANCE instance, ProgramParts parts) : instance_(instance), parts_(parts) {}
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Creates the window hidden and runs the start-up's first half: settings, tray icon, hotkeys.
  // The second half (the status flag, the warnings, the information form, the switcher) follows
  // once the message loop runs. False when the window cannot be created.
  bool Start();

  // SettingsHost
  HWND Window() const override { return Handle(); }
  HINSTANCE ModuleInstance() const override { return instance_; }
  ProgramSettings& Settings() override { return parts_.settings; }
  void SetAboutWindowIcon() override;

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  HWND Handle() const { return window_.Get(); }
  bool OnCommand(UINT id);
  void OnTrayCallback(WPARAM wParam, LPARAM lParam);
  void FinishStartup();
  void ReportHotkeyFailures();
  void ToggleSiteWindows();
  void LaunchNewSession();
  void ShowTrayMenu(POINT at);
  void ShowAbout();
  void CloseToTray();
  void EnterTray();
  void LeaveTray();
  void RetryTrayIcon();
  void RegisterHotkeys();
  void PrepareAboutWindow();
  void EnsureComInitialised();
  void Exit();
  void EndSession();
  void DestroyWindows();
  void MarkSettled(bool settled);
  bool IsShown() const { return IsWindowVisible(Handle()) != FALSE; }

  HINSTANCE instance_;
  ProgramParts parts_;
  const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  // Declared before what is registered on it, so that it goes last. Taken when the window is
  // made, let go when Windows has destroyed it.
  ScopedWindow window_;
  TrayIcon trayIcon_;
  GlobalHotkeys hotkeys_;
  HotkeyPresses hotkeyPresses_;
  // What the window's own posted messages act on: a message only says "look now".
  bool startupSecondHalfPending_ = false;
  bool trayReAddPending_ = false;
  int unreportedHotkeyFailures_ = 0;
  bool ending_ = false;  // an exit or the end of the session began: nothing brings the tray back
  HWND aboutContent_ = nullptr;  // a child of the main window, made with the first About
  std::optional<ScopedComInit> com_;
  WindowIcons icons_;
  ScopedFont sloganFont_;
  ScopedBitmap picture_;
};

} // namespace qvx
