#include "common/trim_at_nul.h"

namespace qvx {
std::wstring TrimAtNul(std::wstring_view s) { return std::wstring(s.substr(0, s.find(L'\0'))); }
} // namespace qvx
