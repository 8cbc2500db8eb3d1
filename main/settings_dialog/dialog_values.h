#pragma once
// What the settings dialog shows when it opens and what it writes when it closes, apart from
// the controls themselves.
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/text_lines.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/settings/settings_record.h"

namespace qvx {

// One hotkey as its entry box and "Enabled" box show it (hot-key control convention).
struct HotkeyBoxValues {
  HotkeyCombination Combination{0, 0};
  bool Enabled = false;
};

// From the hotkey file's lines: lines 1 to 3 for "Launch New", lines 4 to 6 for "Toggle
// Between". Modifiers are swapped into the control's convention; a modifier or key line that is
// missing or not a whole number from 0 to 255 opens as an empty combination; only a line
// reading exactly "1" ticks "Enabled".
HotkeyBoxValues OpeningHotkey(const Lines& hotkeyFileLines, bool toggleBetween);

// The four text boxes.
enum class TextBox { LaunchUrl, UrlKeyword, BrowserTextKeyword, Tooltip };
struct DialogTexts {
  std::wstring LaunchUrl;           // settings file line 4
  std::wstring UrlKeyword;          // line 3
  std::wstring BrowserTextKeyword;  // line 2
  std::wstring Tooltip;             // line 5
};
// At opening, exactly as the settings file holds them.
DialogTexts OpeningTexts(const Lines& settingsFileLines);

// Everything the dialog holds when it closes.
struct DialogContents {
  std::wstring TrayIconName;
  DialogTexts Texts;
  HotkeyBoxValues Launch;
  HotkeyBoxValues Toggle;
};

struct SavedDialog {
  Lines SettingsFile;
  Lines HotkeyFile;
  std::wstring Tooltip;          // as stored now: the name of new shortcuts
  std::vector<TextBox> Refused;  // boxes whose text the settings file cannot hold
};

// Applies the closing dialog to the settings and gives both files' new lines. The texts
// are trimmed of spaces, the keywords upper-cased. A text that fileCanHold refuses (characters
// the single-byte file would change) is not stored: its box keeps the line the settings file
// had at opening, and is listed in Refused. A ticked hotkey takes its box's combination,
// swapped into RegisterHotKey's convention; an unticked one keeps the combination the
// settings already held and is written with "0".
SavedDialog SaveDialog(const DialogContents& dialog, const Lines& settingsAtOpening, ProgramSettings& settings,
                       const std::function<bool(std::wstring_view)>& fileCanHold);

// The one message that names the boxes whose text was not stored.
std::wstring RefusedTextMessage(const std::vector<TextBox>& refused);

} // namespace qvx
