#pragma once
// Form1: the main window of Quorv114. It stays hidden while the program lives in the tray,
// is shown as the About window, and owns the start-up, close-to-tray and exit sequences.
#include <windows.h>

#include <string>

#include "common/window_icons_win32.h"
#include "main/settings_dialog/settings_dialog_win32.h"
#include "main/startup/shared_state.h"
#include "main/switching/site_switcher_win32.h"

namespace qvx {

// Why the window is asked to close.
// A property of the main window, present while the program sits in the tray with its start-up
// or its return to the tray complete.
inline constexpr wchar_t kInTrayProperty[] = L"QuorvexInTray";

enum class UnloadMode {
  UserClose = 0,     // its close box, system menu, Alt+F4 or Escape
  ProgramExit = 1,   // "&Exit"
  TaskManager = 2,   // a WM_CLOSE that did not come from the window itself
  WindowsEnding = 3, // the session ends
};

class Form1 : public SettingsHost {
 public:
  static Form1& Instance();

  // Creates the window hidden and runs the start-up sequence. False when the window cannot
  // be created.
  bool Load(HINSTANCE instance);

  HWND Handle() const { return hwnd_; }
  HINSTANCE AppInstance() const { return instance_; }
  SharedState& State() override { return state_; }
  HWND Window() const override { return hwnd_; }
  HINSTANCE ModuleInstance() const override { return instance_; }
  SiteSwitcher& Switcher() { return *switcher_; }

  // The actions, reached from the hotkeys, the tray icon and the tray menu.
  void Command1_Click();  // one toggle between the site's browser windows
  void Command2_Click();  // enter the tray
  void Command3_Click();  // launch a new browser session
  void Command4_Click();  // the settings dialog
  void mnuZOLTEOpen_Click();
  void mnuAbout_Click();
  void mnuExit_Click();

  // Makes the icon group named by TrayIconName the window's icon (falls back to "QVX1").
  void ApplyTrayIcon() override;
  HICON CurrentIcon() const { return icons_.Small(); }

  // True while the window is shown as the About window.
  bool IsShown() const { return IsWindowVisible(hwnd_) != FALSE; }

 private:
  Form1() = default;
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  void Form_Load();
  void Form_QueryUnload(UnloadMode mode);
  void Form_Unload();
  void EndProgram();
  void InitAboutControls();
  void MarkInTray(bool inTray);

  HWND hwnd_ = nullptr;
  HINSTANCE instance_ = nullptr;
  SharedState state_;
  WindowIcons icons_;
  HFONT sloganFont_ = nullptr;
  HBITMAP picture_ = nullptr;
  std::wstring splashShow_;  // read at the start of the load, used at its end
  bool ending_ = false;
  SettingsDialog settingsDialog_;
  SiteSwitcher* switcher_ = nullptr;
};

} // namespace qvx
