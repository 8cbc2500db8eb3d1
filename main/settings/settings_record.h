#pragma once
// The one program-wide record of Quorv114's settings: the values of the two settings files and
// where the program's files are. Made when the program starts, used on the user-interface thread only.
// What the program registers with Windows (hotkeys, the tray icon) has owners of its own.
#include <cstdint>
#include <string>

namespace qvx {

struct ProgramSettings {
  std::wstring programDirectory;  // full and long, as the program was started from
  std::wstring hotkeyFilePath;
  std::wstring settingsFilePath;
  std::wstring statusFilePath;
  // Modifier flags in RegisterHotKey form: 1 Alt, 2 Ctrl, 4 Shift.
  std::uint8_t launchHotkeyModifiers = 0;
  std::uint8_t launchHotkeyKey = 0;
  std::uint8_t toggleHotkeyModifiers = 0;
  std::uint8_t toggleHotkeyKey = 0;
  std::wstring trayIconName;
  std::wstring launchUrl;
  std::wstring urlKeyword;
  std::wstring browserTextKeyword;
  std::wstring trayTooltip;
};

} // namespace qvx
