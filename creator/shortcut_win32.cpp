#include "creator/shortcut_win32.h"

#include <shlobj.h>

#include "common/fs_win32.h"
#include "common/paths.h"
#include "common/shell_folders_win32.h"
#include "common/shell_link_win32.h"
#include "creator/instance_layout.h"

namespace qvx::creator {

std::wstring ShortcutGroupFolder(HWND owner) {
  const std::wstring programs = KnownFolderPath(FOLDERID_Programs);
  return programs.empty() ? std::wstring() : JoinPath(programs, L"Quorvex");
}

void CreateStartupFolderShortcut(HWND owner, const std::wstring& PathToCreate) {
  const std::wstring name = InstanceShortcutFileName(PathToCreate);
  const std::wstring group = ShortcutGroupFolder(owner);
  if (name.empty() || group.empty()) return;
  if (!bDirExists(group)) CreateDirectoryW(group.c_str(), nullptr);
  SaveShellLink(JoinPath(group, name), PathToCreate);  // a failure leaves the instance without it
}

} // namespace qvx::creator
