#include "common/shell_link_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include "common/text_file_win32.h"  // FileExists

namespace qvx {

namespace {
// Releases a COM interface at the end of the scope.
template <class T>
struct ComRelease {
  T* p = nullptr;
  ~ComRelease() {
    if (p) p->Release();
  }
};
} // namespace

bool SaveShellLink(const std::wstring& linkPath, const std::wstring& targetPath) {
  // The calling thread normally has COM already; this call then only counts one more user.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  bool ok = false;
  {
    ComRelease<IShellLinkW> link;
    ComRelease<IPersistFile> file;
    ok = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(&link.p))) &&
         SUCCEEDED(link.p->SetPath(targetPath.c_str())) &&
         SUCCEEDED(link.p->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file.p))) &&
         SUCCEEDED(file.p->Save(linkPath.c_str(), TRUE));
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return ok && FileExists(linkPath);
}

} // namespace qvx
