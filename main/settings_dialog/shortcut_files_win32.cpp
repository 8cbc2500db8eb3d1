#include "main/settings_dialog/shortcut_files_win32.h"

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/shell_folders_win32.h"
#include "common/shell_link_win32.h"
#include "common/text_file_win32.h"
#include "main/settings_dialog/settings_dialog_texts.h"

namespace qvx {

std::wstring ShellShortcuts::FolderPath(ShortcutFolder folder) {
  return KnownFolderPath(folder == ShortcutFolder::StartMenuPrograms ? FOLDERID_Programs : FOLDERID_Startup);
}
bool ShellShortcuts::FileExists(const std::wstring& path) { return qvx::FileExists(path); }
void ShellShortcuts::RemoveFile(const std::wstring& path) { DeleteFileW(path.c_str()); }
bool ShellShortcuts::DirectoryExists(const std::wstring& path) { return qvx::DirectoryExists(path); }
bool ShellShortcuts::MakeFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != FALSE; }
bool ShellShortcuts::SaveShortcut(const std::wstring& linkPath, const std::wstring& targetPath) {
  return SaveShellLink(linkPath, targetPath);
}
void ShellShortcuts::Inform(const wchar_t* text) {
  if (!quiet_) ShowMessage(owner_, text, kQuorvexTitle, MB_OK | MB_ICONINFORMATION);
}

} // namespace qvx
