#pragma once
// Shortcut (.lnk) files written through the shell's own link object.
#include <string>

namespace qvx {
// Writes a shell link file whose target is targetPath, replacing one of that name. False on any
// failure, also when the file is not there afterwards.
bool SaveShellLink(const std::wstring& linkPath, const std::wstring& targetPath);
} // namespace qvx
