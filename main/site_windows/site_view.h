#pragma once
// What the "Quorvex Site Windows" window shows: every browser window on the screen, what was read
// from it, and whether "Toggle Between" counts it as the site's, in the user's words.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/switching/address_field.h"

namespace qvx {

// The site as the program uses it now (keywords as stored, upper case).
struct SiteValues {
  std::wstring browserTextKeyword;
  std::wstring urlKeyword;
  std::wstring launchUrl;
};

// One browser window, in the order the toggle visits them (ascending handle).
struct SiteWindowRow {
  WindowId window = 0;
  BrowserFamily family = BrowserFamily::None;
  std::wstring windowClass;
  std::wstring programFile;  // "msedge.exe"; empty when the process could not be asked
  std::wstring title;        // as the match reads it
  bool titleMatches = false;
  bool reading = false;               // its read has not ended yet
  std::optional<FieldSearch> search;  // the read, once ended; none when it was not read
  std::wstring backgroundTab;         // the title of a background tab of the site
  unsigned long long readMs = 0;
};

// The texts of a row's columns, and whether a press counts the window now.
struct RowTexts {
  std::wstring browser, title, address, counts;
  bool countsAsSite = false;
};

// "Chromium", "Firefox" or "Internet Explorer", from the window's class.
std::wstring FamilyName(std::wstring_view windowClass);
// The text with the invisible and look-alike characters that decide matches shown as names
// ("<ZWSP>" for U+200B and the like).
std::wstring ShowInvisibleCharacters(std::wstring_view text);
RowTexts DescribeRow(const SiteWindowRow& row, const SiteValues& site);

// Keywords that would make a window count, derived from what it shows: the address's host
// without "www." as the URL keyword, and the title's first word of two or more letters that is
// not a browser's own name as the browser text keyword, both upper-cased. Either is empty when
// nothing fits.
struct KeywordHint {
  std::wstring urlKeyword, browserTextKeyword;
};
KeywordHint SuggestKeywords(std::wstring_view address, std::wstring_view title);
// The line under the list: a hint when no window counts and exactly one has a readable address.
std::wstring HintLine(const std::vector<SiteWindowRow>& rows, const SiteValues& site);

// The plain-text report for the clipboard: versions, the site, and every row with what a
// maintainer needs to learn a browser's tree. It holds nothing of the user's but the windows'
// titles and addresses.
struct ReportHeader {
  std::wstring programVersion, windowsVersion;
};
std::wstring ComposeReport(const ReportHeader& header, const SiteValues& site, const std::vector<SiteWindowRow>& rows);

} // namespace qvx
