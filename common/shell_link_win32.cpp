#include "common/shell_link_win32.h"

#include <windows.h>
#include <shlobj.h>

#include "common/scoped_win32.h"
#include "common/text_file_win32.h"  // FileExists

namespace qvx {

bool SaveShellLink(const std::wstring& linkPath, const std::wstring& targetPath) {
  // The calling thread normally has COM already; this only counts one more user for the call.
  const ScopedComInit com;
  ComPtr<IShellLinkW> link;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.PutVoid())) ||
      FAILED(link->SetPath(targetPath.c_str()))) {
    return false;
  }
  const ComPtr<IPersistFile> file = link.As<IPersistFile>();
  return file && SUCCEEDED(file->Save(linkPath.c_str(), TRUE)) && FileExists(linkPath);
}

} // namespace qvx
