#include "shell_link.h"

#include <windows.h>
#include <shlobj.h>

#include "common/scoped_win32.h"

namespace e2e {

std::wstring LinkTarget(const std::wstring& linkPath) {
  const qvx::ScopedComInit com;  // counts one more user when the thread has COM already
  qvx::ComPtr<IShellLinkW> link;
  wchar_t path[MAX_PATH] = {};
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid()))) {
    return {};
  }
  const auto file = link.As<IPersistFile>();
  const bool read = file && SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ)) &&
                    SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH));
  return read ? path : L"";
}

} // namespace e2e
