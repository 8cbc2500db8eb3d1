#pragma once
// The Win32 half of the shared state: the main window, the tray icon and the two window
// procedures chained in front of the main window's own.
#include <windows.h>
#include <shellapi.h>

namespace qvx {

struct DesktopState {
  HWND MainWindowHandle = nullptr;
  HINSTANCE AppInstanceHandle = nullptr;
  WNDPROC PrevWndProcTray = nullptr;    // the main window's own procedure
  WNDPROC PrevWndProcHotkey = nullptr;  // the tray procedure, while the hotkey procedure is installed
  NOTIFYICONDATAW TrayIconData{};       // the icon as last added
  bool InTray = false;                  // between the tray entry and RemoveFromTray
  bool IconShown = false;               // the shell accepted the icon
};

DesktopState& Desktop();

// The tray icon's identifier: the module instance handle, as the shell's 32-bit id.
UINT TrayIconId();

// The message Explorer broadcasts when the taskbar (re)appears.
UINT TaskbarCreatedMessage();

// Adds the icon described by TrayIconData; false when there is no notification area yet.
bool AddTrayIcon();

} // namespace qvx
