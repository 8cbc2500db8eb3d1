#include "main/settings/settings_files_win32.h"

#include "common/fs_win32.h"
#include "common/paths.h"
#include "common/text_file_win32.h"

namespace qvx {

namespace {
void CreateIfMissing(const std::wstring& path, const Lines& defaults) {
  if (!FileExists(path)) WriteTextFileAtomically(path, defaults);
}
} // namespace

ProgramSettings SettingsInProgramDirectory() {
  ProgramSettings settings;
  settings.programDirectory = ProgramDirectory();
  settings.hotkeyFilePath = JoinPath(settings.programDirectory, kHotkeyFileName);
  settings.settingsFilePath = JoinPath(settings.programDirectory, kSettingsFileName);
  settings.statusFilePath = JoinPath(settings.programDirectory, kStatusFileName);
  return settings;
}

void CreateHotkeyFileIfMissing(const ProgramSettings& settings) {
  CreateIfMissing(settings.hotkeyFilePath, DefaultHotkeyFileLines());
}

void CreateSettingsFileIfMissing(const ProgramSettings& settings) {
  CreateIfMissing(settings.settingsFilePath, DefaultSettingsFileLines());
}

void ReadSettingsFile(ProgramSettings& settings) {
  const auto lines = ReadTextFileLines(settings.settingsFilePath);
  ApplySiteSettings(ParseSettingsFile(lines ? *lines : DefaultSettingsFileLines()), settings);
}

HotkeyFileValues ReadHotkeyFile(ProgramSettings& settings) {
  CreateHotkeyFileIfMissing(settings);
  const auto lines = ReadTextFileLines(settings.hotkeyFilePath);
  const HotkeyFileValues values = ParseHotkeyFile(lines ? *lines : DefaultHotkeyFileLines());
  ApplyHotkeyValues(values, settings);
  return values;
}

void WriteStatusFile(const ProgramSettings& settings, const wchar_t* flag) {
  WriteTextFileAtomically(settings.statusFilePath, Lines{flag});
}

} // namespace qvx
