#include "main/settings_dialog/dialog_values.h"

#include <optional>

#include "common/numbers.h"
#include "common/text_case.h"
#include "main/settings_dialog/settings_dialog_texts.h"
#include "main/settings/settings_files.h"

namespace qvx {

namespace {
constexpr std::size_t kLaunchUrlLine = 3, kUrlKeywordLine = 2, kBrowserTextKeywordLine = 1, kTooltipLine = 4;

// A ticked hotkey's combination goes into the shared fields; an unticked one leaves them.
bool TakeHotkey(const HotkeyBoxValues& box, std::uint8_t& modifiers, std::uint8_t& key) {
  if (!box.Enabled) return false;
  modifiers = static_cast<std::uint8_t>(SwapModifiers(box.Combination.Modifiers));
  key = box.Combination.KeyCode;
  return true;
}
} // namespace

HotkeyBoxValues OpeningHotkey(const Lines& lines, bool toggleBetween) {
  const std::size_t first = toggleBetween ? 3 : 0;
  const auto modifiers = WholeNumber(LineOrEmpty(lines, first), 0, 255);
  const auto key = WholeNumber(LineOrEmpty(lines, first + 1), 0, 255);
  HotkeyBoxValues v;
  if (modifiers && key) {
    v.Combination = {static_cast<std::uint8_t>(SwapModifiers(static_cast<int>(*modifiers))),
                     static_cast<std::uint8_t>(*key)};
  }
  v.Enabled = LineOrEmpty(lines, first + 2) == L"1";
  return v;
}

DialogTexts OpeningTexts(const Lines& lines) {
  return {LineOrEmpty(lines, kLaunchUrlLine), LineOrEmpty(lines, kUrlKeywordLine),
          LineOrEmpty(lines, kBrowserTextKeywordLine), LineOrEmpty(lines, kTooltipLine)};
}

SavedDialog SaveDialog(const DialogContents& dialog, const Lines& settingsAtOpening, ProgramSettings& settings,
                       const std::function<bool(std::wstring_view)>& fileCanHold) {
  SavedDialog saved;
  // The value to store for one box: the cleaned text, or the old line when the file cannot hold it.
  auto stored = [&](TextBox box, std::wstring cleaned, std::size_t line) {
    if (fileCanHold(cleaned)) return cleaned;
    saved.Refused.push_back(box);
    return LineOrEmpty(settingsAtOpening, line);
  };
  const DialogTexts& t = dialog.Texts;
  SiteSettings site;
  site.trayIconName = dialog.TrayIconName;
  site.launchUrl = stored(TextBox::LaunchUrl, TrimSpaces(t.LaunchUrl), kLaunchUrlLine);
  site.urlKeyword = stored(TextBox::UrlKeyword, ToUpperText(TrimSpaces(t.UrlKeyword)), kUrlKeywordLine);
  site.browserTextKeyword = stored(TextBox::BrowserTextKeyword, ToUpperText(TrimSpaces(t.BrowserTextKeyword)),
                                   kBrowserTextKeywordLine);
  site.trayTooltip = stored(TextBox::Tooltip, TrimSpaces(t.Tooltip), kTooltipLine);

  HotkeyFileValues hotkeys;
  hotkeys.launchEnabled = TakeHotkey(dialog.Launch, settings.launchHotkeyModifiers, settings.launchHotkeyKey);
  hotkeys.toggleEnabled = TakeHotkey(dialog.Toggle, settings.toggleHotkeyModifiers, settings.toggleHotkeyKey);
  hotkeys.launchModifiers = settings.launchHotkeyModifiers;
  hotkeys.launchKey = settings.launchHotkeyKey;
  hotkeys.toggleModifiers = settings.toggleHotkeyModifiers;
  hotkeys.toggleKey = settings.toggleHotkeyKey;
  ApplySiteSettings(site, settings);

  saved.SettingsFile = FormatSettingsFile(site);
  saved.HotkeyFile = FormatHotkeyFile(hotkeys);
  saved.Tooltip = site.trayTooltip;
  return saved;
}

std::wstring RefusedTextMessage(const std::vector<TextBox>& refused) {
  std::wstring text = kRefusedTextIntro;
  for (const TextBox box : refused) {
    text += L"\r\n";
    text += kTextBoxNames[static_cast<std::size_t>(box)];
  }
  return text + L"\r\n" + kRefusedTextOutro;
}

} // namespace qvx
