#pragma once
// The settings files on disk: the start-up checks that create missing files with their
// defaults, the reads into the shared state, and the status file. Every step here ignores
// failures: an unwritable directory leaves the program running on defaults in memory.
#include <string>

#include "main/startup/settings_files.h"
#include "main/startup/shared_state.h"

namespace qvx {

// Sets HotkeyFilePath and creates a missing hotkey file with six "0" lines.
void HotkeyFileCheck(SharedState& state);

// Sets SettingsFilePath and creates a missing settings file with its defaults.
void SettingsFileCheck(SharedState& state);

// Reads the settings file into the shared state; an unreadable file gives the defaults.
void ReadSettingsFile(SharedState& state);

// Reads the hotkey file into the shared state's hotkey fields and returns what it holds. A
// file that is gone is first recreated with its defaults.
HotkeyFileValues ReadHotkeyFile(SharedState& state);

// Replaces the status file with the single line "1" or "0"; failures are ignored.
void WriteStatusFile(const wchar_t* flag);

std::wstring StatusFilePath();

} // namespace qvx
