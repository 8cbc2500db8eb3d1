#pragma once
// The browser-window switching actions as the main window calls them.
#include <string>

#include "main/switching/toggle.h"

namespace qvx {

// Toggle state back to its start: the next toggle takes the first window again.
void ResetToggleState();
// Every 250 ms: remembers the last window that had the foreground.
void RecordForegroundWindow();
// The same with the site values given. A request that arrives while a toggle is running (a
// message handled during a call into another program) is served after it, never inside it.
void ToggleBetween(const std::wstring& browserTextKeyword, const std::wstring& urlKeyword,
                   const std::wstring& launchUrl);
// Opens the Launch URL with the shell, without blocking the user-interface thread.
void NewZOLTELaunch(const std::wstring& launchUrl);

// The toggle state as the last toggle and timer tick left it.
const ToggleState& CurrentToggleState();
} // namespace qvx
