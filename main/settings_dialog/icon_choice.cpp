#include "main/settings_dialog/icon_choice.h"

#include <cstdint>
#include <limits>

namespace qvx {

std::int16_t ConvInt(std::wstring_view text) {
  constexpr long kMax = std::numeric_limits<std::int16_t>::max();
  long value = 0;
  for (const wchar_t c : text) {
    if (c < L'0' || c > L'9') continue;
    value = value * 10 + (c - L'0');
    if (value > kMax) value = kMax;  // stays saturated: later digits cannot bring it back down
  }
  return static_cast<std::int16_t>(value);
}

std::wstring IconName(int number) { return L"QVX" + std::to_wstring(number); }

int OpeningIconNumber(std::wstring_view trayIconName) {
  const int n = ConvInt(trayIconName);
  return n >= kFirstIconNumber && n <= kLastIconNumber ? n : kFirstIconNumber;
}

} // namespace qvx
