#include "common/paths.h"

namespace qvx {

std::wstring JoinPath(std::wstring_view dir, std::wstring_view name) {
  std::wstring path(dir);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += name;
  return path;
}

std::wstring WithoutTrailingSeparator(std::wstring_view dir) {
  if (!dir.empty() && dir.back() == L'\\') dir.remove_suffix(1);
  return std::wstring(dir);
}

std::wstring LastComponent(std::wstring_view path) {
  const std::wstring trimmed = WithoutTrailingSeparator(path);
  const auto pos = trimmed.find_last_of(L'\\');
  return pos == std::wstring::npos ? trimmed : trimmed.substr(pos + 1);
}

std::wstring DirectoryOf(std::wstring_view filePath) {
  const auto pos = filePath.find_last_of(L'\\');
  if (pos == std::wstring_view::npos) return std::wstring();
  std::wstring dir(filePath.substr(0, pos));
  if (dir.size() == 2 && dir[1] == L':') dir += L'\\';  // keep the root's separator
  return dir;
}

} // namespace qvx
