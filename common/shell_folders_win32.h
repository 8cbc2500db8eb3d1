#pragma once
// The paths of the user's shell folders (Start-menu Programs, Startup, ...).
#include <windows.h>
#include <shlobj.h>

#include <string>

namespace qvx {
// The path of a known folder (FOLDERID_Programs, FOLDERID_Startup, ...); empty when the folder
// cannot be found.
std::wstring KnownFolderPath(const KNOWNFOLDERID& folder);
} // namespace qvx
