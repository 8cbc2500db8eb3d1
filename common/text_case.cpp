#include "common/text_case.h"

namespace qvx {

std::wstring ToUpperText(std::wstring_view text) {
  std::wstring out(text);
  for (auto& c : out) {
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - 32);
    else if (c >= 0xE0 && c <= 0xFE && c != 0xF7) c = static_cast<wchar_t>(c - 32);
  }
  return out;
}

std::wstring TrimSpaces(std::wstring_view text) {
  const auto begin = text.find_first_not_of(L' ');
  if (begin == std::wstring_view::npos) return std::wstring();
  const auto end = text.find_last_not_of(L' ');
  return std::wstring(text.substr(begin, end - begin + 1));
}

bool ContainsText(std::wstring_view haystack, std::wstring_view needle) {
  if (haystack.empty()) return false;
  return haystack.find(needle) != std::wstring_view::npos;
}

} // namespace qvx
