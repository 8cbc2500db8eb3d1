#include "main/settings_dialog/dialog_values.h"

#include <optional>

#include "common/numbers.h"
#include "common/text_case.h"
#include "main/settings_dialog/hotkey_capture.h"
#include "main/startup/settings_files.h"

namespace qvx {

HotkeyBoxValues OpeningHotkey(const Lines& lines, bool toggleBetween) {
  const std::size_t first = toggleBetween ? 3 : 0;
  const auto modifiers = WholeNumber(LineOrEmpty(lines, first), 0, 255);
  const auto key = WholeNumber(LineOrEmpty(lines, first + 1), 0, 255);
  HotkeyBoxValues v;
  if (modifiers && key) {
    v.Modifiers = static_cast<std::uint8_t>(SwapModifiers(static_cast<int>(*modifiers)));
    v.KeyCode = static_cast<std::uint8_t>(*key);
  }
  v.Enabled = LineOrEmpty(lines, first + 2) == L"1";
  return v;
}

DialogTexts OpeningTexts(const Lines& lines) {
  return {LineOrEmpty(lines, 3), LineOrEmpty(lines, 2), LineOrEmpty(lines, 1), LineOrEmpty(lines, 4)};
}

namespace {
// A ticked hotkey's combination goes into the shared fields; an unticked one leaves them.
bool TakeHotkey(const HotkeyBoxValues& box, std::int16_t& modifiers, std::int16_t& key) {
  if (!box.Enabled) return false;
  modifiers = static_cast<std::int16_t>(SwapModifiers(box.Modifiers));
  key = box.KeyCode;
  return true;
}
} // namespace

SavedFiles SaveDialog(const DialogContents& dialog, SharedState& state) {
  SiteSettings site;
  site.TrayIconName = dialog.TrayIconName;
  site.BrowserTextKeyword = ToUpperText(TrimSpaces(dialog.Texts.Text3));
  site.URLKeyword = ToUpperText(TrimSpaces(dialog.Texts.Text2));
  site.LaunchURL = TrimSpaces(dialog.Texts.Text1);
  site.TrayTooltip = TrimSpaces(dialog.Texts.Text4);

  const bool launchEnabled = TakeHotkey(dialog.Launch, state.LaunchHotkeyModifiers, state.LaunchHotkeyKey);
  const bool toggleEnabled = TakeHotkey(dialog.Toggle, state.ToggleHotkeyModifiers, state.ToggleHotkeyKey);
  ApplySiteSettings(site, state);

  return {FormatSettingsFile(site),
          FormatHotkeyFile(state.LaunchHotkeyModifiers, state.LaunchHotkeyKey, launchEnabled,
                           state.ToggleHotkeyModifiers, state.ToggleHotkeyKey, toggleEnabled)};
}

} // namespace qvx
