#pragma once
// The two global hotkeys, registered on the main window.
#include <windows.h>

#include "main/startup/shared_state.h"

namespace qvx {

// The registration pass: reads the hotkey file (creating it when it is missing), registers the
// enabled hotkeys on the window and returns the number of failures to report. The hotkeys of
// an earlier pass are unregistered first, so running it twice registers each hotkey once.
int RegisterHotkeys(HWND window, SharedState& state);
// Unregisters what the last pass registered; harmless when nothing is registered.
void UnregisterHotkeys(HWND window, SharedState& state);

} // namespace qvx
