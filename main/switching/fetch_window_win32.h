#pragma once
// Bringing one browser window to the front.
#include <windows.h>

namespace qvx {

// Restores and activates the window: a minimised one comes back zoomed to full size, a normal
// or zoomed one is shown as it is. A hidden or vanished window is left alone. Returns non-zero
// when the window was shown, 0 when nothing was done.
int FetchTheWindow(HWND WindowHandle);

} // namespace qvx
