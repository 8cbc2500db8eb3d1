#pragma once
// The desktop integration as the main window's sequences call it: the tray entry and exit,
// the hotkey registration pass, and the window-reuse probe at the end of the start-up.
#include <string>

namespace qvx {
class Form1;

// Enters the tray: the icon with its tip, then the window hides.
void TrayEntry(Form1& form);
// Leaves the tray: the icon is deleted.
void RemoveFromTray(Form1& form);
// The registration pass: reads the hotkey file (checking it first at start-up), registers the
// enabled hotkeys and reports failures once.
void RegisterHotkeys(Form1& form, bool checkHotkeyFileFirst);
void UnregisterHotkeys(Form1& form);
// Reads the browser's window-reuse option and shows the information form when it is on.
void ProbeWindowReuse(Form1& form, const std::wstring& splashShow);
} // namespace qvx
