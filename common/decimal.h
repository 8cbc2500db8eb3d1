#pragma once
// Whole numbers as text, without the locale-aware formatting machinery of the C++ library.
#include <string>

namespace qvx {
// The decimal digits of value, with "-" before a negative one: 0 gives "0", -12 gives "-12".
std::wstring DecimalText(long long value);
} // namespace qvx
