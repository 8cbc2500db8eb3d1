#pragma once
// The common controls (comctl32), loaded when a window first needs them rather than imported:
// loading them costs a tray program that mostly waits about 1.8 MB of private memory under
// Wine, and the main program needs them only for its dialogs.
#include <windows.h>
#include <commctrl.h>  // the ICC_* class sets

namespace qvx {

// Loads the common controls that the manifest selects (version 6) from the system and registers
// the given ICC_* window classes. The library stays loaded for the life of the process, as the
// classes it registered must. False when it could not be loaded or the classes not registered.
bool LoadCommonControls(DWORD classes);

} // namespace qvx
