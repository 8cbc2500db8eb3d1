#pragma once
#include <windows.h>

namespace qvx {
// The start-up: the per-directory instance guard, then the hidden main window, then the
// message loop. Returns the process exit code.
int Main(HINSTANCE instance);
} // namespace qvx
