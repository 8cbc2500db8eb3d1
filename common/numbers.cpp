#include "common/numbers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace qvx {
namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A decimal number: digits * 10^exponent, the digits without leading or trailing zeros.
struct Decimal {
  std::string digits;
  long long exponent = 0;
};

// A non-negative whole number of any size: just enough arithmetic to compare a decimal number
// with the exact midpoint of two adjacent doubles. Limbs are base 2^32, lowest first.
class BigNumber {
public:
  explicit BigNumber(std::uint64_t value) {
    for (; value; value >>= 32) limbs_.push_back(static_cast<std::uint32_t>(value));
  }
  explicit BigNumber(const std::string& digits) {
    for (char d : digits) MultiplyAdd(10, static_cast<std::uint32_t>(d - '0'));
  }
  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (auto& limb : limbs_) {
      carry += static_cast<std::uint64_t>(limb) * factor;
      limb = static_cast<std::uint32_t>(carry);
      carry >>= 32;
    }
    if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }
  void MultiplyByPowerOfTen(long long exponent) {
    for (; exponent >= 9; exponent -= 9) MultiplyAdd(1000000000u, 0);
    for (; exponent > 0; --exponent) MultiplyAdd(10, 0);
  }
  void MultiplyByPowerOfTwo(long long exponent) {
    if (limbs_.empty()) return;
    limbs_.insert(limbs_.begin(), static_cast<std::size_t>(exponent / 32), 0u);
    if (exponent % 32) MultiplyAdd(1u << (exponent % 32), 0);
  }
  friend int Compare(const BigNumber& a, const BigNumber& b) {
    if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
    for (std::size_t i = a.limbs_.size(); i-- > 0;) {
      if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
    }
    return 0;
  }

private:
  std::vector<std::uint32_t> limbs_;
};

// A non-negative double as mantissa * 2^exponent with the smallest exponent a double of its
// size has; infinity counts as the first power of two past the largest double.
struct Binary {
  std::uint64_t mantissa;
  int exponent;
};

Binary ToBinary(double value) {
  if (std::isinf(value)) return {1, 1024};
  if (value == 0.0) return {0, -1074};
  int exponent = 0;
  std::frexp(value, &exponent);
  exponent = std::max(exponent - 53, -1074);
  return {static_cast<std::uint64_t>(std::ldexp(value, -exponent)), exponent};
}

bool IsOdd(double value) { return ToBinary(value).mantissa & 1; }

// The sign of number - (low + high) / 2, exactly, for adjacent doubles low < high.
int CompareWithMidpoint(const Decimal& number, double low, double high) {
  const Binary a = ToBinary(low), b = ToBinary(high);
  const int base = std::min(a.exponent, b.exponent);
  // Adjacent doubles differ by at most 53 in exponent, so the sum fits in 64 bits.
  const std::uint64_t sum = (a.mantissa << (a.exponent - base)) + (b.mantissa << (b.exponent - base));
  const long long power = base - 1;  // midpoint = sum * 2^power
  BigNumber left(number.digits), right(sum);
  if (number.exponent >= 0) left.MultiplyByPowerOfTen(number.exponent);
  else right.MultiplyByPowerOfTen(-number.exponent);
  if (power >= 0) right.MultiplyByPowerOfTwo(power);
  else left.MultiplyByPowerOfTwo(-power);
  return Compare(left, right);
}

// value * 10^exponent in the widest floating type, in steps that stay in range.
long double ScaleByPowerOfTen(long double value, long long exponent) {
  const bool down = exponent < 0;
  unsigned long long remaining = static_cast<unsigned long long>(down ? -exponent : exponent);
  for (; remaining >= 256; remaining -= 256) value = down ? value / 1e256L : value * 1e256L;
  long double factor = 1, power = 10;
  for (; remaining; remaining >>= 1, power *= power) {
    if (remaining & 1) factor *= power;
  }
  return down ? value / factor : value * factor;
}

// The double nearest to a positive decimal number, ties to even, as a correctly rounding
// strtod gives it; infinity when it is past the largest double.
double NearestDouble(const Decimal& number) {
  const long long magnitude = static_cast<long long>(number.digits.size()) + number.exponent;
  if (magnitude > 310) return std::numeric_limits<double>::infinity();  // at least 1e310
  if (magnitude < -324) return 0.0;                                     // under 1e-324
  // A first guess from the leading 19 digits, within an ulp or two, then corrected exactly.
  const std::size_t lead = std::min<std::size_t>(number.digits.size(), 19);
  std::uint64_t leading = 0;
  for (std::size_t i = 0; i < lead; ++i) leading = leading * 10 + static_cast<unsigned>(number.digits[i] - '0');
  const long long rest = number.exponent + static_cast<long long>(number.digits.size() - lead);
  const long double guess = ScaleByPowerOfTen(static_cast<long double>(leading), rest);
  double value = std::min(static_cast<double>(guess), std::numeric_limits<double>::max());
  const double infinity = std::numeric_limits<double>::infinity();
  for (;;) {
    const double up = std::nextafter(value, infinity);
    const int above = CompareWithMidpoint(number, value, up);
    if (above > 0 || (above == 0 && IsOdd(value))) {
      value = up;
      if (std::isinf(value)) return value;
      continue;
    }
    if (value == 0.0) return value;
    const double down = std::nextafter(value, 0.0);
    const int below = CompareWithMidpoint(number, down, value);
    if (below < 0 || (below == 0 && IsOdd(value))) {
      value = down;
      continue;
    }
    return value;
  }
}

// Every double's midpoints have at most 767 significant digits, so digits past this many
// only matter as "something more", which one extra nonzero digit keeps.
constexpr std::size_t kSignificantDigits = 800;
} // namespace

double LeadingNumber(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  Decimal number;
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) { number.digits.push_back(static_cast<char>(text[i++])); digits = true; }
  if (i < text.size() && text[i] == L'.') {
    ++i;
    while (i < text.size() && IsDigit(text[i])) {
      number.digits.push_back(static_cast<char>(text[i++]));
      --number.exponent;
      digits = true;
    }
  }
  if (!digits) return 0.0;
  // An exponent counts when at least one digit follows the "e" (and its sign); at most seven
  // characters of it are read, "e" and sign included.
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    std::size_t j = i + 1, length = 1;
    bool negativeExponent = false;
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) { negativeExponent = text[j++] == L'-'; ++length; }
    long long exponent = 0;
    for (; j < text.size() && IsDigit(text[j]) && length < 8; ++j, ++length) exponent = exponent * 10 + (text[j] - L'0');
    number.exponent += negativeExponent ? -exponent : exponent;
  }
  const std::size_t first = number.digits.find_first_not_of('0');
  if (first == std::string::npos) return negative ? -0.0 : 0.0;
  const std::size_t last = number.digits.find_last_not_of('0');
  number.exponent += static_cast<long long>(number.digits.size() - 1 - last);
  number.digits = number.digits.substr(first, last + 1 - first);
  if (number.digits.size() > kSignificantDigits) {
    number.exponent += static_cast<long long>(number.digits.size() - kSignificantDigits) - 1;
    number.digits.resize(kSignificantDigits);
    number.digits.push_back('1');
  }
  const double value = NearestDouble(number);
  if (std::isinf(value)) return 0.0;
  return negative ? -value : value;
}

std::optional<long> WholeNumber(std::wstring_view text, long min, long max) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  if (begin == end) return std::nullopt;
  bool negative = false;
  if (text[begin] == L'+' || text[begin] == L'-') {
    negative = text[begin] == L'-';
    if (++begin == end) return std::nullopt;
  }
  long value = 0;
  for (std::size_t i = begin; i < end; ++i) {
    if (!IsDigit(text[i])) return std::nullopt;
    value = value * 10 + (text[i] - L'0');
    if (value > 1000000000L) return std::nullopt;  // far outside every range used here
  }
  if (negative) value = -value;
  if (value < min || value > max) return std::nullopt;
  return value;
}

long RoundHalfEven(double value) {
  if (!std::isfinite(value)) return 0;
  const double rounded = std::nearbyint(value);  // default rounding mode: to nearest, ties to even
  // The limits of long are powers of two (negated), so both compare exactly as doubles.
  const double lowest = static_cast<double>(std::numeric_limits<long>::min());
  if (rounded <= lowest) return std::numeric_limits<long>::min();
  if (rounded >= -lowest) return std::numeric_limits<long>::max();
  return static_cast<long>(rounded);
}

} // namespace qvx
