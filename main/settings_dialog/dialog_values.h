#pragma once
// What the settings dialog shows when it opens and what it writes when it closes, apart from
// the controls themselves.
#include <cstdint>
#include <string>

#include "common/text_lines.h"
#include "main/startup/shared_state.h"

namespace qvx {

// One hotkey as its entry box and "Enabled" box show it (hot-key control convention).
struct HotkeyBoxValues {
  std::uint8_t Modifiers = 0;
  std::uint8_t KeyCode = 0;
  bool Enabled = false;
};

// From the hotkey file's lines: first = line 1 to 3 ("Launch New"), second = lines 4 to 6
// ("Toggle Between"). Modifiers are swapped into the control's convention; a modifier or key
// line that is missing or not a whole number from 0 to 255 opens as an empty combination;
// only a line reading exactly "1" ticks "Enabled".
HotkeyBoxValues OpeningHotkey(const Lines& hotkeyFileLines, bool toggleBetween);

// The four text boxes at opening, exactly as the settings file holds them.
struct DialogTexts {
  std::wstring Text1;  // "Launch URL:", line 4
  std::wstring Text2;  // "URL Keyword:", line 3
  std::wstring Text3;  // "Browser Text Keyword:", line 2
  std::wstring Text4;  // "ToolTip:", line 5
};
DialogTexts OpeningTexts(const Lines& settingsFileLines);

// Everything the dialog holds when it closes.
struct DialogContents {
  std::wstring TrayIconName;
  DialogTexts Texts;
  HotkeyBoxValues Launch;  // Enabled = Check1
  HotkeyBoxValues Toggle;  // Enabled = Check2
};

struct SavedFiles {
  Lines SettingsFile;
  Lines HotkeyFile;
};

// Applies the closing dialog to the shared state and gives both files' new lines. The texts
// are trimmed of spaces, the keywords upper-cased. A ticked hotkey takes its box's combination,
// swapped into RegisterHotKey's convention; an unticked one keeps the combination the shared
// state already held and is written with "0".
SavedFiles SaveDialog(const DialogContents& dialog, SharedState& state);

} // namespace qvx
