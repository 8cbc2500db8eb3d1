#pragma once
// The shortcut steps' operations on the real file system and shell.
#include <windows.h>

#include <string>

#include "main/settings_dialog/shortcut_steps.h"

namespace qvx {

// The steps' platform, with the dialog as the owner of its messages and folder look-ups.
class ShellShortcuts : public ShortcutPlatform {
 public:
  explicit ShellShortcuts(HWND owner) : owner_(owner) {}
  std::wstring FolderPath(int csidl) override;
  bool FileExists(const std::wstring& path) override;
  void RemoveFile(const std::wstring& path) override;
  bool DirectoryExists(const std::wstring& path) override;
  bool MakeFolder(const std::wstring& path) override;
  bool SaveShortcut(const std::wstring& linkPath, const std::wstring& targetPath) override;
  void Inform(const wchar_t* text) override;

 private:
  HWND owner_;
};

} // namespace qvx
