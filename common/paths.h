#pragma once
// Paths as the programs build them: "\" separators, a directory that ends in "\" only at
// the root of a drive.
#include <string>
#include <string_view>

namespace qvx {

// Joins a file name to a directory, inserting "\" unless the directory already ends with
// one (C:\ + a.txt is C:\a.txt, not C:\\a.txt).
std::wstring JoinPath(std::wstring_view dir, std::wstring_view name);

// The directory without one trailing "\" (D:\Apps\Site\ becomes D:\Apps\Site; D:\ becomes D:).
std::wstring WithoutTrailingSeparator(std::wstring_view dir);

// The last component of a directory path, after removing one trailing "\".
std::wstring LastComponent(std::wstring_view path);

// The directory part of a file path (everything before the last "\"), keeping the "\" of a
// drive root: C:\x\a.exe gives C:\x, C:\a.exe gives C:\.
std::wstring DirectoryOf(std::wstring_view filePath);

} // namespace qvx
