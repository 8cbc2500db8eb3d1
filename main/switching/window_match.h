#pragma once
// The rules that decide whether a top-level window is one of the site's browser windows.
// "Contains" means a search from the first character with exact comparison: only the text
// searched in is upper-cased, never the keyword (the settings store the keywords upper-cased).
#include <cstddef>
#include <string_view>

namespace qvx {

// The title is read into room for 150 characters including the terminating NUL, the class
// name into room for 255: what lies beyond is never seen.
inline constexpr std::size_t kTitleReadLimit = 150;
inline constexpr std::size_t kClassReadLimit = 255;

// The browser's frame window class, as the upper-cased class name must contain it.
inline constexpr std::wstring_view kBrowserFrameClass = L"IEFRAME";

// The part of a text that a read with the given limit (NUL included) returns.
std::wstring_view TextAsRead(std::wstring_view text, std::size_t limit);

// A non-empty title whose upper-cased first 149 characters contain the keyword.
bool TitleMatches(std::wstring_view title, std::wstring_view browserTextKeyword);
// A class name that, upper-cased, contains "IEFRAME" anywhere.
bool ClassMatches(std::wstring_view className);
// A non-empty address whose upper-cased text contains the keyword.
bool AddressMatches(std::wstring_view address, std::wstring_view urlKeyword);

} // namespace qvx
