#pragma once
// The start-up of QVXMulti.
#include <windows.h>

namespace qvx::creator {
// Refuses to run from an instance directory; otherwise shows the creator window until it is
// closed. Returns the program's exit code.
int Main(HINSTANCE instance);
} // namespace qvx::creator
