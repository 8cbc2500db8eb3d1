#include "common/trim_at_nul.h"

namespace qvx {
std::wstring TrimAtNul(std::wstring_view s) {
  const auto nul = s.find(L'\0');
  return std::wstring(nul == std::wstring_view::npos ? s : s.substr(0, nul));
}
} // namespace qvx
