#pragma once
// The main window of Quorv114: hidden while the program lives in the tray, shown as the About
// window. Its own procedure handles the hotkeys, the tray icon's callbacks, the tray menu,
// "TaskbarCreated" and every way the program is asked to close.
#include <windows.h>

#include <optional>

#include "common/dialog_win32.h"
#include "common/message_loop_win32.h"
#include "common/scoped_win32.h"
#include "common/window_icons_win32.h"
#include "main/desktop/hotkey_presses_win32.h"
#include "main/desktop/information_form_win32.h"
#include "main/desktop/tray_icon_win32.h"
#include "main/settings_dialog/settings_dialog_win32.h"
#include "main/site_windows/site_windows_win32.h"
#include "main/startup/shared_state.h"
#include "main/switching/site_switcher_win32.h"

namespace qvx {

// A property of the main window, present while the program sits in the tray with its start-up
// or its return to the tray complete, so that automation can tell when it has settled.
inline constexpr wchar_t kInTrayProperty[] = L"QuorvexInTray";

// The parts of the program the main window drives; the application object owns them.
struct ProgramParts {
  SharedState& state;
  SiteSwitcher& switcher;
  SiteWindowsView& siteWindows;
  SettingsDialog& settingsDialog;
  InformationForm& informationForm;
  TrayIcon& trayIcon;
  ModelessDialogs& dialogs;
};

class MainWindow : public DialogWindow, public SettingsHost {
 public:
  MainWindow(HINSTANCE instance, ProgramParts parts) : instance_(instance), parts_(parts) {}
  ~MainWindow();

  // Creates the window hidden and runs the start-up: settings, tray icon, hotkeys. What can
  // wait (the warnings, the information form) follows once the message loop runs. False when
  // the window cannot be created.
  bool Start();

  // SettingsHost
  HWND Window() const override { return Handle(); }
  HINSTANCE ModuleInstance() const override { return instance_; }
  SharedState& State() override { return parts_.state; }
  void ApplyTrayIcon() override;

 protected:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  bool OnCommand(UINT id);
  void FinishStartup(int hotkeyFailures);
  void ShowHotkeyWarning(int failures);
  void ToggleSiteWindows();
  void LaunchNewSession();
  void ShowTrayMenu(POINT at);
  void ShowAbout();
  void CloseToTray();
  void EnterTray();
  void LeaveTray();
  void RegisterHotkeysAndReport();
  void PrepareAboutWindow();
  void EnsureComInitialised();
  void Exit();
  void EndSession();
  void End();
  void MarkInTray(bool inTray);
  bool IsShown() const { return IsWindowVisible(Handle()) != FALSE; }

  HINSTANCE instance_;
  ProgramParts parts_;
  const UINT taskbarCreated_ = RegisterWindowMessageW(L"TaskbarCreated");
  bool inTray_ = false;
  bool retryingTray_ = false;
  HWND aboutContent_ = nullptr;  // a child of the main window, made with the first About
  bool ending_ = false;
  HotkeyPresses hotkeyPresses_;
  std::optional<ScopedComInit> com_;
  WindowIcons icons_;
  ScopedFont sloganFont_;
  ScopedBitmap picture_;
};

} // namespace qvx
