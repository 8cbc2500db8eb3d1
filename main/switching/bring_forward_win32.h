#pragma once
// Bringing one browser window to the front.
#include <windows.h>

namespace qvx {

// Restores and activates the window: a minimised one comes back zoomed to full size, a normal
// or zoomed one is shown as it is. A hidden or vanished window is left alone. Never waits for
// the window's program, so a hung browser cannot hang the caller. True when the window was
// asked to show itself, false when nothing was done.
bool BringWindowForward(HWND window);

} // namespace qvx
