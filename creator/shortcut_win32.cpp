#include "creator/shortcut_win32.h"

#include <windows.h>

#include "common/paths.h"
#include "common/shell_folders_win32.h"
#include "common/shell_link_win32.h"
#include "common/start_menu_group.h"
#include "creator/instance_layout.h"

namespace qvx::creator {

void AddInstanceShortcut(const std::wstring& instanceExe) {
  const std::wstring name = InstanceShortcutFileName(instanceExe);
  const std::wstring programs = KnownFolderPath(FOLDERID_Programs);
  if (name.empty() || programs.empty()) return;
  const std::wstring group = JoinPath(programs, kStartMenuGroupName);
  CreateDirectoryW(group.c_str(), nullptr);  // fails harmlessly when it is there already
  SaveShellLink(JoinPath(group, name), instanceExe);  // a failure leaves the instance without it
}

} // namespace qvx::creator
