#include "main/settings/settings_files.h"

#include "common/decimal.h"
#include "common/numbers.h"
#include "common/text_case.h"

namespace qvx {

std::wstring UrlKeywordFromUrl(std::wstring_view url) {
  auto scheme = url.find(L"://");
  std::wstring_view rest = scheme == std::wstring_view::npos ? url : url.substr(scheme + 3);
  rest = rest.substr(0, rest.find_first_of(L"/?#"));
  if (auto at = rest.rfind(L'@'); at != std::wstring_view::npos) rest = rest.substr(at + 1);
  rest = rest.substr(0, rest.find(L':'));
  if (!rest.empty() && rest.back() == L'.') rest.remove_suffix(1);
  // The label before the last one: "www.example.com" -> "example"; a bare host stays whole.
  const auto last = rest.rfind(L'.');
  std::wstring_view label = rest;
  if (last != std::wstring_view::npos) {
    label = rest.substr(0, last);
    if (auto prev = label.rfind(L'.'); prev != std::wstring_view::npos) label = label.substr(prev + 1);
  }
  return ToUpperText(label);
}

Lines DefaultHotkeyFileLines() { return Lines(6, L"0"); }

namespace {
std::uint8_t ByteLine(const Lines& lines, std::size_t index) {
  return static_cast<std::uint8_t>(WholeNumber(LineOrEmpty(lines, index), 0, 255).value_or(0));
}
bool EnabledLine(const Lines& lines, std::size_t index) {
  return LeadingNumber(LineOrEmpty(lines, index)) == 1.0;
}
} // namespace

HotkeyFileValues ParseHotkeyFile(const Lines& lines) {
  HotkeyFileValues v;
  v.launchModifiers = ByteLine(lines, 0);
  v.launchKey = ByteLine(lines, 1);
  v.launchEnabled = EnabledLine(lines, 2);
  v.toggleModifiers = ByteLine(lines, 3);
  v.toggleKey = ByteLine(lines, 4);
  v.toggleEnabled = EnabledLine(lines, 5);
  return v;
}

Lines FormatHotkeyFile(const HotkeyFileValues& v) {
  return {DecimalText(v.launchModifiers), DecimalText(v.launchKey), v.launchEnabled ? L"1" : L"0",
          DecimalText(v.toggleModifiers), DecimalText(v.toggleKey), v.toggleEnabled ? L"1" : L"0"};
}

Lines DefaultSettingsFileLines() {
  return {kDefaultTrayIconName, kDefaultBrowserTextKeyword, UrlKeywordFromUrl(kDefaultLaunchURL),
          kDefaultLaunchURL, L""};
}

SiteSettings ParseSettingsFile(const Lines& lines) {
  return {LineOrEmpty(lines, 0), LineOrEmpty(lines, 1), LineOrEmpty(lines, 2), LineOrEmpty(lines, 3),
          LineOrEmpty(lines, 4)};
}

Lines FormatSettingsFile(const SiteSettings& s) {
  return {s.trayIconName, s.browserTextKeyword, s.urlKeyword, s.launchUrl, s.trayTooltip};
}

void ApplySiteSettings(const SiteSettings& s, ProgramSettings& settings) {
  settings.trayIconName = s.trayIconName;
  settings.trayTooltip = s.trayTooltip;
  settings.launchUrl = s.launchUrl;
  settings.urlKeyword = s.urlKeyword;
  settings.browserTextKeyword = s.browserTextKeyword;
}

void ApplyHotkeyValues(const HotkeyFileValues& v, ProgramSettings& settings) {
  settings.launchHotkeyModifiers = v.launchModifiers;
  settings.launchHotkeyKey = v.launchKey;
  settings.toggleHotkeyModifiers = v.toggleModifiers;
  settings.toggleHotkeyKey = v.toggleKey;
}

std::optional<int> TrayIconNumber(std::wstring_view name) {
  if (name.size() < 4 || ToUpperText(name.substr(0, 3)) != L"QVX") return std::nullopt;
  const auto number = name.substr(3);
  if (number.front() == L'0' || number.find_first_not_of(L"0123456789") != std::wstring_view::npos) {
    return std::nullopt;
  }
  const auto n = WholeNumber(number, 1, kTrayIconCount);
  if (!n) return std::nullopt;
  return static_cast<int>(*n);
}

std::optional<int> IconNumberInStoredName(std::wstring_view name) {
  int number = 0;
  bool anyDigit = false;
  for (const wchar_t c : name) {
    if (c < L'0' || c > L'9') continue;
    anyDigit = true;
    number = number * 10 + (c - L'0');
    if (number > kTrayIconCount) return std::nullopt;  // more digits only make it larger
  }
  if (!anyDigit || number < 1) return std::nullopt;
  return number;
}

std::wstring TrayIconName(int number) { return L"QVX" + DecimalText(number); }

} // namespace qvx
