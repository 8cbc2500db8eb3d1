#include "main/desktop/window_reuse.h"

#include "common/numbers.h"

namespace qvx {

namespace {
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Sign, digits with an optional fraction, an optional exponent: nothing else.
bool IsDecimalNumberText(std::wstring_view t) {
  std::size_t i = 0, digits = 0;
  if (i < t.size() && (t[i] == L'+' || t[i] == L'-')) ++i;
  for (; i < t.size() && IsDigit(t[i]); ++i) ++digits;
  if (i < t.size() && t[i] == L'.') {
    for (++i; i < t.size() && IsDigit(t[i]); ++i) ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == L'e' || t[i] == L'E')) {
    if (++i < t.size() && (t[i] == L'+' || t[i] == L'-')) ++i;
    const std::size_t start = i;
    while (i < t.size() && IsDigit(t[i])) ++i;
    if (i == start) return false;
  }
  return i == t.size();
}
} // namespace

bool IsWindowReuseOn(const RegValue& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number == 1;
  const std::wstring& text = std::get<std::wstring>(value);
  const auto begin = text.find_first_not_of(L" \t");
  if (begin == std::wstring::npos) return false;
  const std::wstring_view trimmed = std::wstring_view(text).substr(begin, text.find_last_not_of(L" \t") + 1 - begin);
  return IsDecimalNumberText(trimmed) && LeadingNumber(trimmed) == 1.0;
}

} // namespace qvx
