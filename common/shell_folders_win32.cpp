#include "common/shell_folders_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include "common/trim_at_nul.h"

namespace qvx {
std::wstring SpecialFolderPath(HWND hwnd, int csidl) {
  std::wstring path;
  PIDLIST_ABSOLUTE list = nullptr;
  if (SHGetSpecialFolderLocation(hwnd, csidl, &list) == S_OK && list) {
    std::wstring buffer(MAX_PATH, L'\0');
    if (SHGetPathFromIDListW(list, buffer.data())) path = TrimAtNul(buffer);
  }
  CoTaskMemFree(list);  // accepts a null list
  return path;
}
} // namespace qvx
