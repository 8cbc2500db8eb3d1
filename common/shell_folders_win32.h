#pragma once
// The paths of the user's shell folders (Start-menu Programs, Startup, ...).
#include <windows.h>

#include <string>

namespace qvx {
// The path of the special folder csidl (CSIDL_PROGRAMS, CSIDL_STARTUP, ...) as seen from the
// window hwnd; empty when the folder cannot be found.
std::wstring SpecialFolderPath(HWND hwnd, int csidl);
} // namespace qvx
