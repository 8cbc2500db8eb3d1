#pragma once
// The tray icon choice: seventeen icons "QVX1" to "QVX17", picked by number with a scroll bar.
#include <cstdint>
#include <string>
#include <string_view>

namespace qvx {

inline constexpr int kFirstIconNumber = 1;
inline constexpr int kLastIconNumber = 17;

// The icon number inside an icon name: every digit of the text, in order, read as one decimal
// number ("QVX12" gives 12, "Q0V5" gives 5). No digit gives 0; a number too large for 16 bits
// gives 32767.
std::int16_t ConvInt(std::wstring_view text);

// The name of icon n: "QVX" and n in decimal.
std::wstring IconName(int number);

// The number the scroll bar takes for the stored name at opening: ConvInt of it when that is
// 1 to 17, otherwise 1.
int OpeningIconNumber(std::wstring_view trayIconName);

} // namespace qvx
