#include "creator/shortcut_win32.h"

#include <objbase.h>
#include <shlobj.h>

#include "common/fs_win32.h"
#include "common/paths.h"
#include "common/special_folder_win32.h"
#include "creator/instance_layout.h"

namespace qvx::creator {

namespace {
// A shell link whose only property is its target, written to linkPath.
bool WriteShortcut(const std::wstring& linkPath, const std::wstring& target) {
  IShellLinkW* link = nullptr;
  if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                              reinterpret_cast<void**>(&link)))) {
    return false;
  }
  bool saved = false;
  IPersistFile* file = nullptr;
  if (SUCCEEDED(link->SetPath(target.c_str())) &&
      SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
    saved = SUCCEEDED(file->Save(linkPath.c_str(), TRUE));
    file->Release();
  }
  link->Release();
  return saved;
}
} // namespace

std::wstring ShortcutGroupFolder(HWND owner) {
  const std::wstring programs = SpecialFolderPath(owner, CSIDL_PROGRAMS);
  return programs.empty() ? std::wstring() : JoinPath(programs, L"Quorvex");
}

void CreateStartupFolderShortcut(HWND owner, const std::wstring& PathToCreate) {
  const std::wstring name = InstanceShortcutFileName(PathToCreate);
  const std::wstring group = ShortcutGroupFolder(owner);
  if (name.empty() || group.empty()) return;
  if (!bDirExists(group)) CreateDirectoryW(group.c_str(), nullptr);
  WriteShortcut(JoinPath(group, name), PathToCreate);
}

} // namespace qvx::creator
