#pragma once
// The user's special folders (Start-menu programs, Startup, ...) by their CSIDL number.
#include <windows.h>

#include <string>

namespace qvx {
// The folder's path, or the empty text when it cannot be found.
std::wstring SpecialFolderPath(HWND hWnd, int csidl);
} // namespace qvx
