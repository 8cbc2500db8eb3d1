#include "main/startup/settings_io_win32.h"

#include "common/fs_win32.h"
#include "common/paths.h"
#include "common/text_file_win32.h"
#include "main/startup/instance_guard.h"

namespace qvx {

namespace {
void CreateIfMissing(const std::wstring& path, const Lines& defaults) {
  if (!FileExists(path)) WriteTextFileAtomically(path, defaults);
}
} // namespace

std::wstring StatusFilePath() { return JoinPath(ProgramDirectory(), kStatusFileName); }

void HotkeyFileCheck(SharedState& state) {
  state.HotkeyFilePath = JoinPath(ProgramDirectory(), kHotkeyFileName);
  CreateIfMissing(state.HotkeyFilePath, DefaultHotkeyFileLines());
}

void SettingsFileCheck(SharedState& state) {
  state.SettingsFilePath = JoinPath(ProgramDirectory(), kSettingsFileName);
  CreateIfMissing(state.SettingsFilePath, DefaultSettingsFileLines());
}

void ReadSettingsFile(SharedState& state) {
  const auto lines = ReadTextFileLines(state.SettingsFilePath);
  ApplySiteSettings(ParseSettingsFile(lines ? *lines : DefaultSettingsFileLines()), state);
}

HotkeyFileValues ReadHotkeyFile(SharedState& state) {
  if (state.HotkeyFilePath.empty()) state.HotkeyFilePath = JoinPath(ProgramDirectory(), kHotkeyFileName);
  CreateIfMissing(state.HotkeyFilePath, DefaultHotkeyFileLines());
  const auto lines = ReadTextFileLines(state.HotkeyFilePath);
  const HotkeyFileValues values = ParseHotkeyFile(lines ? *lines : DefaultHotkeyFileLines());
  ApplyHotkeyValues(values, state);
  return values;
}

void WriteStatusFile(const wchar_t* flag) { WriteTextFileAtomically(StatusFilePath(), Lines{flag}); }

} // namespace qvx
