#pragma once
// The one program-wide record of Quorv114: the settings values, the two file paths and the
// hotkey registration results. Created zeroed at start, used on the user-interface thread only.
// The Win32 handles of the desktop integration live beside it in the desktop code.
#include <cstdint>
#include <string>

namespace qvx {

struct SharedState {
  std::int16_t HotkeyFailCount = 0;
  std::wstring HotkeyFilePath;
  std::wstring SettingsFilePath;
  // Modifier flags in RegisterHotKey form: 1 Alt, 2 Ctrl, 4 Shift.
  std::int16_t LaunchHotkeyModifiers = 0;
  std::int16_t LaunchHotkeyKey = 0;
  std::int16_t ToggleHotkeyModifiers = 0;
  std::int16_t ToggleHotkeyKey = 0;
  std::wstring TrayIconName;
  std::wstring LaunchURL;
  std::wstring URLKeyword;
  std::wstring BrowserTextKeyword;
  bool LaunchHotkeyRegistered = false;
  bool ToggleHotkeyRegistered = false;
  std::wstring TrayTooltip;
};

} // namespace qvx
