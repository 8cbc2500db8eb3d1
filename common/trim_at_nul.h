#pragma once
// Texts handed back by Windows in fixed-size buffers end at their first NUL character.
#include <string>
#include <string_view>

namespace qvx {
// The characters before the first NUL, or the whole text when it holds none.
std::wstring TrimAtNul(std::wstring_view s);
} // namespace qvx
