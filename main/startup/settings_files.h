#pragma once
// The two settings files beside the program: their names, defaults, and how they are read
// and written. Values are taken by line position; a missing line reads as the empty string.
#include <cstdint>
#include <optional>
#include <string>

#include "common/text_lines.h"
#include "main/startup/shared_state.h"

namespace qvx {

inline constexpr wchar_t kHotkeyFileName[] = L"hotkeysetup.txt";
inline constexpr wchar_t kSettingsFileName[] = L"QuorvexSettings.txt";

inline constexpr wchar_t kDefaultTrayIconName[] = L"QVX1";
inline constexpr wchar_t kDefaultBrowserTextKeyword[] = L"INTERNET EXPLORER";
inline constexpr wchar_t kDefaultLaunchURL[] = L"https://www.example.com/";
inline constexpr int kTrayIconCount = 17;

// The second-level label of the URL's host name, upper-cased: "https://www.example.com/"
// gives "EXAMPLE". Empty when the URL has no host.
std::wstring UrlKeywordFromUrl(std::wstring_view url);

// --- hotkey file, six lines ---
struct HotkeyFileValues {
  std::int16_t LaunchModifiers = 0;
  std::int16_t LaunchKey = 0;
  bool LaunchEnabled = false;  // leading number of line 3 equals 1
  std::int16_t ToggleModifiers = 0;
  std::int16_t ToggleKey = 0;
  bool ToggleEnabled = false;  // leading number of line 6 equals 1
};

Lines DefaultHotkeyFileLines();
// A modifier or key line that is missing or not a whole number from 0 to 255 reads as 0.
HotkeyFileValues ParseHotkeyFile(const Lines& lines);
Lines FormatHotkeyFile(std::int16_t launchModifiers, std::int16_t launchKey, bool launchEnabled,
                       std::int16_t toggleModifiers, std::int16_t toggleKey, bool toggleEnabled);

// --- settings file, five lines ---
struct SiteSettings {
  std::wstring TrayIconName;        // line 1
  std::wstring BrowserTextKeyword;  // line 2
  std::wstring URLKeyword;          // line 3
  std::wstring LaunchURL;           // line 4
  std::wstring TrayTooltip;         // line 5
};

Lines DefaultSettingsFileLines();
// Taken as they stand: no trimming and no change of case.
SiteSettings ParseSettingsFile(const Lines& lines);
Lines FormatSettingsFile(const SiteSettings& settings);

// Copies the values read at start-up into the shared state.
void ApplySiteSettings(const SiteSettings& settings, SharedState& state);
void ApplyHotkeyValues(const HotkeyFileValues& values, SharedState& state);

// The number n of a tray icon name "QVX<n>" (any case, n from 1 to 17 without leading zero);
// empty for any other text. The one reader of icon names.
std::optional<int> TrayIconNumber(std::wstring_view name);
// True for a name TrayIconNumber reads: a name the program's icons carry.
inline bool IsTrayIconName(std::wstring_view name) { return TrayIconNumber(name).has_value(); }
// The resource name of icon n: "QVX" and n in decimal.
std::wstring TrayIconName(int number);

} // namespace qvx
