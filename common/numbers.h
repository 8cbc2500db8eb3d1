#pragma once
// Reading numbers out of the texts the programs store and show.
#include <optional>
#include <string_view>

namespace qvx {

// The leading number of a text: leading blanks are skipped, an optional sign, digits, an
// optional fraction and exponent are read, and reading stops at the first character that
// cannot continue the number. A text without a leading number gives 0 ("1.0" and " 1"
// give 1, "x1" gives 0).
double LeadingNumber(std::wstring_view text);

// A whole decimal number in [min, max], blanks around it allowed; anything else is empty.
std::optional<long> WholeNumber(std::wstring_view text, long min, long max);

// Rounds to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4),
// as a count typed into a box is read.
long RoundHalfEven(double value);

} // namespace qvx
