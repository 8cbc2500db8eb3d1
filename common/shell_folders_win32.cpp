#include "common/shell_folders_win32.h"

#include "common/scoped_win32.h"

namespace qvx {
std::wstring KnownFolderPath(const KNOWNFOLDERID& folder) {
  ScopedCoTaskMem<wchar_t> path;
  if (FAILED(SHGetKnownFolderPath(folder, KF_FLAG_DEFAULT, nullptr, path.Put())) || !path.Get()) return {};
  return path.Get();
}
} // namespace qvx
