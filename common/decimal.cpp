#include "common/decimal.h"

namespace qvx {
std::wstring DecimalText(long long value) {
  // Digits of the magnitude, taken as unsigned so that the lowest long long has one too.
  unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value) : value;
  wchar_t digits[24];
  wchar_t* end = digits + 24;
  wchar_t* first = end;
  do {
    *--first = static_cast<wchar_t>(L'0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--first = L'-';
  return std::wstring(first, end);
}
} // namespace qvx
