#include "main/settings_dialog/shortcut_steps.h"

#include <array>

#include "common/paths.h"
#include "common/start_menu_group.h"
#include "common/text_case.h"
#include "main/settings_dialog/settings_dialog_texts.h"

namespace qvx {

namespace {
bool IsDeviceName(std::wstring_view name) {
  // Windows maps these to devices whatever extension follows them.
  std::wstring stem = ToUpperText(name.substr(0, name.find(L'.')));
  while (!stem.empty() && stem.back() == L' ') stem.pop_back();
  static constexpr std::array<std::wstring_view, 4> kPlain = {L"CON", L"PRN", L"AUX", L"NUL"};
  for (const auto device : kPlain) {
    if (stem == device) return true;
  }
  return stem.size() == 4 && (stem.starts_with(L"COM") || stem.starts_with(L"LPT")) && stem[3] >= L'1' &&
         stem[3] <= L'9';
}

std::wstring LinkPath(std::wstring_view folder, std::wstring_view name) {
  return JoinPath(folder, std::wstring(name) + L".lnk");
}

// The old shortcut goes only when its name is a plain file name inside the folder.
void DeleteShortcut(ShortcutPlatform& platform, const std::wstring& folder, std::wstring_view name) {
  if (folder.empty() || !IsPlainFileName(name)) return;
  const std::wstring path = LinkPath(folder, name);
  if (platform.FileExists(path)) platform.RemoveFile(path);
}

void CreateProgramsShortcut(ShortcutPlatform& platform, const std::wstring& shortcutFolder,
                            const std::wstring& name, const std::wstring& target) {
  if (shortcutFolder.empty()) {  // no Programs folder: nothing is made at the root of a drive
    platform.Inform(kProgramsFailedText);
    return;
  }
  bool failed = false;
  // A failed step does not stop the next one; any failure is reported once at the end.
  if (!platform.DirectoryExists(shortcutFolder) && !platform.MakeFolder(shortcutFolder)) failed = true;
  if (!platform.SaveShortcut(LinkPath(shortcutFolder, name), target)) failed = true;
  if (failed) platform.Inform(kProgramsFailedText);
}

void CreateAutoStartShortcut(ShortcutPlatform& platform, const std::wstring& startupFolder,
                             const std::wstring& name, const std::wstring& target) {
  if (startupFolder.empty() || !platform.SaveShortcut(LinkPath(startupFolder, name), target)) {
    platform.Inform(kAutoStartFailedText);
  }
}
} // namespace

bool IsPlainFileName(std::wstring_view name) {
  if (name.empty() || name == L"." || name == L"..") return false;
  for (const wchar_t c : name) {
    if (c < 32 || c == 127 || std::wstring_view(L"\\/:*?\"<>|").find(c) != std::wstring_view::npos) return false;
  }
  if (name.back() == L'.' || name.back() == L' ') return false;
  return !IsDeviceName(name);
}

void RunShortcutSteps(const ShortcutRequest& request, ShortcutPlatform& platform) {
  const std::wstring name = TrimSpaces(request.Tooltip);
  const std::wstring target = JoinPath(request.ProgramDirectory, kShortcutTargetName);

  if (request.InStartMenu) {
    const std::wstring programs = platform.FolderPath(ShortcutFolder::StartMenuPrograms);
    const std::wstring shortcutFolder = programs.empty() ? std::wstring() : JoinPath(programs, kStartMenuGroupName);
    DeleteShortcut(platform, shortcutFolder, request.OldName);
    DeleteShortcut(platform, shortcutFolder, LastComponent(request.ProgramDirectory));
    if (name.empty()) platform.Inform(kProgramsNameMissingText);
    else if (!IsPlainFileName(name)) platform.Inform(kProgramsBadNameText);
    else CreateProgramsShortcut(platform, shortcutFolder, name, target);
  }

  if (request.AtStartup) {
    const std::wstring startup = platform.FolderPath(ShortcutFolder::Startup);
    DeleteShortcut(platform, startup, request.OldName);
    if (name.empty()) platform.Inform(kAutoStartNameMissingText);
    else if (!IsPlainFileName(name)) platform.Inform(kAutoStartBadNameText);
    else CreateAutoStartShortcut(platform, startup, name, target);
  }
}

} // namespace qvx
