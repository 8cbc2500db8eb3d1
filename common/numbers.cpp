#include "common/numbers.h"

#include <cmath>
#include <cstdlib>
#include <string>

namespace qvx {
namespace {
bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }
} // namespace

double LeadingNumber(std::wstring_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i])) ++i;
  std::string number;  // the accepted characters, in the C locale's form
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) number.push_back(static_cast<char>(text[i++]));
  bool digits = false;
  while (i < text.size() && IsDigit(text[i])) { number.push_back(static_cast<char>(text[i++])); digits = true; }
  if (i < text.size() && text[i] == L'.') {
    number.push_back('.');
    ++i;
    while (i < text.size() && IsDigit(text[i])) { number.push_back(static_cast<char>(text[i++])); digits = true; }
  }
  if (!digits) return 0.0;
  if (i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == L'+' || text[j] == L'-')) exponent.push_back(static_cast<char>(text[j++]));
    bool expDigits = false;
    while (j < text.size() && IsDigit(text[j]) && exponent.size() < 8) { exponent.push_back(static_cast<char>(text[j++])); expDigits = true; }
    if (expDigits) number += exponent;
  }
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0.0;
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
  return static_cast<long>(std::nearbyint(value));  // default rounding mode: to nearest, ties to even
}

} // namespace qvx
