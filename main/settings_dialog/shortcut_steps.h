#pragma once
// The program shortcuts the settings dialog makes when it closes: one in the "Quorvex" folder
// of the user's Start-menu programs, one in the user's Startup folder, each named after the
// tooltip and pointing at "Quorv114.exe" in the program's directory.
#include <string>
#include <string_view>

namespace qvx {

// The user's folders that hold the shortcuts.
enum class ShortcutFolder { StartMenuPrograms, Startup };
inline constexpr wchar_t kShortcutTargetName[] = L"Quorv114.exe";

// True when the text can name a file in a folder and nothing else: not empty, none of
// \ / : * ? " < > | and no control character, not "." or "..", not ending with a dot or a
// blank, and not a device name (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with or without an
// extension). A tooltip that fails this never reaches the file system.
bool IsPlainFileName(std::wstring_view name);

// The file-system and shell operations the steps use.
class ShortcutPlatform {
 public:
  virtual ~ShortcutPlatform() = default;
  virtual std::wstring FolderPath(ShortcutFolder folder) = 0;  // empty when the folder cannot be found
  virtual bool FileExists(const std::wstring& path) = 0;
  virtual void RemoveFile(const std::wstring& path) = 0;
  virtual bool DirectoryExists(const std::wstring& path) = 0;
  virtual bool MakeFolder(const std::wstring& path) = 0;
  virtual bool SaveShortcut(const std::wstring& linkPath, const std::wstring& targetPath) = 0;
  virtual void Inform(const wchar_t* text) = 0;  // "Quorvex", information icon
};

struct ShortcutRequest {
  bool InStartMenu = false;         // "Put shortcut in Start>Programs"
  bool AtStartup = false;           // "Start on Windows startup"
  std::wstring Tooltip;             // the tooltip stored at closing
  std::wstring OldName;             // the tooltip when the dialog opened, untrimmed
  std::wstring ProgramDirectory;
};

// Deletes the shortcuts made under the old name (and, for the Start menu, the one named after
// the program's directory), then creates the new ones.
void RunShortcutSteps(const ShortcutRequest& request, ShortcutPlatform& platform);

} // namespace qvx
