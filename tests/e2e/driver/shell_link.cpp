#include "shell_link.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace e2e {

std::wstring LinkTarget(const std::wstring& linkPath) {
  // Counts one more user when the thread has COM already.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::wstring target;
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                 reinterpret_cast<void**>(&link)))) {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
        SUCCEEDED(file->Load(linkPath.c_str(), STGM_READ)) &&
        SUCCEEDED(link->GetPath(path, MAX_PATH, nullptr, SLGP_RAWPATH))) {
      target = path;
    }
    if (file) file->Release();
    link->Release();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return target;
}

} // namespace e2e
