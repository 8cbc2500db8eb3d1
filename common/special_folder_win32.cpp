#include "common/special_folder_win32.h"

#include <shlobj.h>

#include "common/trim_at_nul.h"

namespace qvx {

std::wstring SpecialFolderPath(HWND hWnd, int csidl) {
  PIDLIST_ABSOLUTE list = nullptr;
  std::wstring path;
  if (SHGetSpecialFolderLocation(hWnd, csidl, &list) == S_OK) {
    std::wstring buffer(MAX_PATH, L' ');
    if (SHGetPathFromIDListW(list, buffer.data())) path = TrimAtNul(buffer);
  }
  CoTaskMemFree(list);
  return path;
}

} // namespace qvx
