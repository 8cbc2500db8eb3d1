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

// Internet Explorer's frame window class, as the upper-cased class name must contain it.
inline constexpr std::wstring_view kIeFrameClass = L"IEFRAME";
// The frame classes of the Chromium family (Chrome, Edge, Brave, Vivaldi, Opera, ...) and of
// the Firefox family, matched exactly.
inline constexpr std::wstring_view kChromiumFrameClass = L"Chrome_WidgetWin_1";
inline constexpr std::wstring_view kFirefoxFrameClass = L"MozillaWindowClass";

// How a browser window's address is read: Internet Explorer's through its address-bar child
// windows, a modern browser's through the window's accessibility tree.
enum class BrowserFamily { None, InternetExplorer, Modern };

// The part of a text that a read with the given limit (NUL included) returns.
std::wstring_view TextAsRead(std::wstring_view text, std::size_t limit);

// A non-empty title whose upper-cased first 149 characters contain the keyword.
bool TitleMatches(std::wstring_view title, std::wstring_view browserTextKeyword);
// A class name that, upper-cased, contains "IEFRAME" anywhere is Internet Explorer's; one of the
// two modern frame classes is a modern browser's; anything else is no browser.
BrowserFamily BrowserFamilyOf(std::wstring_view className);
// A non-empty address whose upper-cased text contains the keyword.
bool AddressMatches(std::wstring_view address, std::wstring_view urlKeyword);

} // namespace qvx
