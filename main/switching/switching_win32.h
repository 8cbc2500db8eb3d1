#pragma once
// The browser-window switching actions as the main window calls them.
#include <string>

namespace qvx {
class Form1;

// Toggle state back to its start: the next toggle takes the first window again.
void ResetToggleState();
// Every 250 ms: remembers the last window that had the foreground.
void RecordForegroundWindow();
// One complete toggle: walk, choose, bring to the front, or launch when none matches.
void ToggleBrowserWindows(Form1& form);
// Opens the Launch URL with the shell, without blocking the user-interface thread.
void NewZOLTELaunch(const std::wstring& launchUrl);
} // namespace qvx
