#pragma once
// Small file-system routines both programs carry.
#include <string>

namespace qvx {

// True when the path names an existing directory; any failure reads as false.
bool DirectoryExists(const std::wstring& path);

// The directory of the running executable, in its long form; it ends with "\" only at the
// root of a drive.
std::wstring ProgramDirectory();

// One spelling for one directory: full, long form, upper case, no trailing "\" but at a root.
std::wstring NormalisedDirectory(const std::wstring& dir);

} // namespace qvx
