#include "creator/exe_versions.h"

#include <algorithm>

#include "common/decimal.h"

namespace qvx::creator {
namespace {
constexpr std::wstring_view kPrefix = L"Quorv";
constexpr std::wstring_view kExtension = L".exe";

wchar_t LowerAscii(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c + 32) : c; }

bool EqualsIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return LowerAscii(x) == LowerAscii(y); });
}

bool HasPrefixAndExtension(std::wstring_view name) {
  return name.size() >= kPrefix.size() + kExtension.size() && EqualsIgnoringCase(name.substr(0, kPrefix.size()), kPrefix) &&
         EqualsIgnoringCase(name.substr(name.size() - kExtension.size()), kExtension);
}
} // namespace

std::optional<int> ExeVersionNumber(std::wstring_view fileName) {
  if (!HasPrefixAndExtension(fileName)) return std::nullopt;
  const auto digits = fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kExtension.size());
  if (digits.empty() || digits.size() > 3 || digits.front() == L'0') return std::nullopt;
  int version = 0;
  for (wchar_t c : digits) {
    if (c < L'0' || c > L'9') return std::nullopt;
    version = version * 10 + (c - L'0');
  }
  return version;  // 1 to 999 by construction
}

std::wstring ExeNameForVersion(int version) {
  return std::wstring(kPrefix) + DecimalText(version) + std::wstring(kExtension);
}

std::vector<std::wstring> ExeVersionsInOrder(const std::vector<DirectoryEntry>& listing) {
  std::vector<int> versions;
  for (const auto& entry : listing) {
    if (entry.isDirectory) continue;
    if (const auto version = ExeVersionNumber(entry.name)) versions.push_back(*version);
  }
  std::sort(versions.begin(), versions.end());
  versions.erase(std::unique(versions.begin(), versions.end()), versions.end());
  std::vector<std::wstring> names;
  names.reserve(versions.size());
  for (int version : versions) names.push_back(ExeNameForVersion(version));
  return names;
}

bool MatchesProgramPattern(std::wstring_view fileName) { return HasPrefixAndExtension(fileName); }

std::wstring IncomingCopyName(std::wstring_view exeName) { return std::wstring(exeName) + L".new"; }

} // namespace qvx::creator
