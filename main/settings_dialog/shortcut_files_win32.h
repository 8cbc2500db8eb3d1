#pragma once
// The shortcut steps' operations on the real file system and shell.
#include <windows.h>

#include <string>

#include "main/settings_dialog/shortcut_steps.h"

namespace qvx {

// The steps' platform, with the dialog as the owner of its messages. A quiet one shows none
// (the end of the Windows session waits for nobody).
class ShellShortcuts : public ShortcutPlatform {
 public:
  ShellShortcuts(HWND owner, bool quiet) : owner_(owner), quiet_(quiet) {}
  std::wstring FolderPath(ShortcutFolder folder) override;
  bool FileExists(const std::wstring& path) override;
  void RemoveFile(const std::wstring& path) override;
  bool DirectoryExists(const std::wstring& path) override;
  bool MakeFolder(const std::wstring& path) override;
  bool SaveShortcut(const std::wstring& linkPath, const std::wstring& targetPath) override;
  void Inform(const wchar_t* text) override;

 private:
  HWND owner_;
  bool quiet_;
};

} // namespace qvx
