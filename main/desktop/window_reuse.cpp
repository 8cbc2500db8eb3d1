#include "main/desktop/window_reuse.h"

#include <cstdlib>
#include <string>

namespace qvx {

bool IsWindowReuseOn(const RegValue& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return *number == 1;
  const std::wstring& text = std::get<std::wstring>(value);
  const auto begin = text.find_first_not_of(L" \t");
  if (begin == std::wstring::npos) return false;
  const auto end = text.find_last_not_of(L" \t");
  std::string narrow;
  for (auto i = begin; i <= end; ++i) {
    const wchar_t c = text[i];
    if (!((c >= L'0' && c <= L'9') || c == L'.' || c == L'+' || c == L'-' || c == L'e' || c == L'E')) return false;
    narrow.push_back(static_cast<char>(c));
  }
  char* stop = nullptr;
  const double number = std::strtod(narrow.c_str(), &stop);
  return stop == narrow.c_str() + narrow.size() && number == 1.0;
}

std::wstring TextUpToNul(std::wstring_view data) {
  return std::wstring(data.substr(0, data.find(L'\0')));
}

} // namespace qvx
