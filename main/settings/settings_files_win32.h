#pragma once
// The settings files on disk: where they are, the start-up steps that create missing files with
// their defaults, the reads into the program's settings, and the status file. Every step here
// ignores failures: an unwritable directory leaves the program running on defaults in memory.
#include <string>

#include "main/settings/settings_files.h"
#include "main/settings/settings_record.h"

namespace qvx {

// Settings with the program's directory and the paths of its three files, and no values yet.
// The paths are fixed from the start, so that whatever runs first finds them.
ProgramSettings SettingsInProgramDirectory();

// Create a missing file with its defaults (six "0" lines; the default site).
void CreateHotkeyFileIfMissing(const ProgramSettings& settings);
void CreateSettingsFileIfMissing(const ProgramSettings& settings);

// Reads the settings file into the settings; an unreadable file gives the defaults.
void ReadSettingsFile(ProgramSettings& settings);

// Reads the hotkey file into the settings' hotkey fields and returns what it holds. A file that
// is gone is first recreated with its defaults.
HotkeyFileValues ReadHotkeyFile(ProgramSettings& settings);

// Replaces the status file with the single line "1" or "0"; failures are ignored.
void WriteStatusFile(const ProgramSettings& settings, const wchar_t* flag);

} // namespace qvx
