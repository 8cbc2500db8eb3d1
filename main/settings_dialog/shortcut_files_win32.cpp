#include "main/settings_dialog/shortcut_files_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/special_folder_win32.h"
#include "common/text_file_win32.h"
#include "main/settings_dialog/settings_dialog_texts.h"

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
  return ok && bFileExists(linkPath);
}

std::wstring ShellShortcuts::FolderPath(int csidl) { return SpecialFolderPath(owner_, csidl); }
bool ShellShortcuts::FileExists(const std::wstring& path) { return bFileExists(path); }
void ShellShortcuts::RemoveFile(const std::wstring& path) { DeleteFileW(path.c_str()); }
bool ShellShortcuts::DirectoryExists(const std::wstring& path) { return bDirExists(path); }
bool ShellShortcuts::MakeFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; }
bool ShellShortcuts::SaveShortcut(const std::wstring& linkPath, const std::wstring& targetPath) {
  return SaveShellLink(linkPath, targetPath);
}
void ShellShortcuts::Inform(const wchar_t* text) {
  ShowMessage(owner_, text, kQuorvexTitle, MB_OK | MB_ICONINFORMATION);
}

} // namespace qvx
