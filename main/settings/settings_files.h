#pragma once
// The text files beside the program: their names, defaults, and how they are read and
// written. Values are taken by line position; a missing line reads as the empty string.
#include <cstdint>
#include <optional>
#include <string>

#include "common/text_lines.h"
#include "main/settings/settings_record.h"

namespace qvx {

inline constexpr wchar_t kHotkeyFileName[] = L"hotkeysetup.txt";
inline constexpr wchar_t kSettingsFileName[] = L"QuorvexSettings.txt";

// The status file records "1" while a copy runs and "0" after an orderly end.
inline constexpr wchar_t kStatusFileName[] = L"QuorvexStatus.txt";
inline constexpr wchar_t kStatusRunning[] = L"1";
inline constexpr wchar_t kStatusStopped[] = L"0";

inline constexpr wchar_t kDefaultTrayIconName[] = L"QVX1";
inline constexpr wchar_t kDefaultBrowserTextKeyword[] = L"INTERNET EXPLORER";
inline constexpr wchar_t kDefaultLaunchURL[] = L"https://www.example.com/";
inline constexpr int kTrayIconCount = 17;

// The second-level label of the URL's host name, upper-cased: "https://www.example.com/"
// gives "EXAMPLE". Empty when the URL has no host.
std::wstring UrlKeywordFromUrl(std::wstring_view url);

// --- hotkey file, six lines ---
struct HotkeyFileValues {
  std::uint8_t launchModifiers = 0;
  std::uint8_t launchKey = 0;
  bool launchEnabled = false;  // leading number of line 3 equals 1
  std::uint8_t toggleModifiers = 0;
  std::uint8_t toggleKey = 0;
  bool toggleEnabled = false;  // leading number of line 6 equals 1
};

Lines DefaultHotkeyFileLines();
// A modifier or key line that is missing or not a whole number from 0 to 255 reads as 0.
HotkeyFileValues ParseHotkeyFile(const Lines& lines);
Lines FormatHotkeyFile(const HotkeyFileValues& values);

// --- settings file, five lines ---
struct SiteSettings {
  std::wstring trayIconName;        // line 1
  std::wstring browserTextKeyword;  // line 2
  std::wstring urlKeyword;          // line 3
  std::wstring launchUrl;           // line 4
  std::wstring trayTooltip;         // line 5
};

Lines DefaultSettingsFileLines();
// Taken as they stand: no trimming and no change of case.
SiteSettings ParseSettingsFile(const Lines& lines);
Lines FormatSettingsFile(const SiteSettings& settings);

// Copies the values read into the program's settings.
void ApplySiteSettings(const SiteSettings& site, ProgramSettings& settings);
void ApplyHotkeyValues(const HotkeyFileValues& values, ProgramSettings& settings);

// The number n of a tray icon name "QVX<n>" (any case, n from 1 to 17 without leading zero);
// empty for any other text. Only these names are the program's icons.
std::optional<int> TrayIconNumber(std::wstring_view name);
inline bool IsTrayIconName(std::wstring_view name) { return TrayIconNumber(name).has_value(); }
// The number a stored icon name gives the settings dialog at opening: every digit of the text,
// in order, read as one decimal number (leading zeros change nothing: "QVX007" gives 7).
// Empty when the text has no digit or the number is outside 1 to 17.
std::optional<int> IconNumberInStoredName(std::wstring_view name);
// The resource name of icon n: "QVX" and n in decimal.
std::wstring TrayIconName(int number);

} // namespace qvx
