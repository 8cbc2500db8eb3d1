#pragma once
// Texts handed back by Windows in fixed-size buffers end at their first NUL.
#include <string>
#include <string_view>

namespace qvx {
// The characters of s before its first NUL, or s itself when it holds none.
std::wstring TrimAtNul(std::wstring_view s);
} // namespace qvx
