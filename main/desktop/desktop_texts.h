#pragma once
// What the desktop integration shows: the tray tip, the hotkey warning, the information text.
#include <string>
#include <string_view>

namespace qvx {

inline constexpr std::size_t kTrayTipField = 64;        // characters, the closing NUL included

// The tooltip (or "Quorvex" when it is empty) followed by " - Right Click for Menu", cut so
// that it fits the tip field with its closing NUL.
std::wstring TrayTipText(std::wstring_view trayTooltip);

// "Can not register N Hotkeys." and its two further lines, joined by CR LF.
std::wstring HotkeyWarningText(int failCount);
inline constexpr wchar_t kHotkeyWarningTitle[] = L"Hotkey Assign";

// The three paragraphs of the information form, separated by blank lines (CR LF CR LF).
std::wstring WindowReuseInformationText();

} // namespace qvx
