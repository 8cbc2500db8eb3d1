#include <gtest/gtest.h>

#include "main/site_windows/site_view.h"

using namespace qvx;
using Outcome = AddressRead::Outcome;

namespace {
const SiteValues kSite{L"EXAMPLE DOMAIN", L"EXAMPLE.COM", L"https://example.com/"};

SiteWindowRow Row(std::wstring windowClass, std::wstring title, std::optional<AddressRead> read) {
  SiteWindowRow row;
  row.family = BrowserFamilyOf(windowClass);
  row.windowClass = std::move(windowClass);
  row.title = std::move(title);
  row.titleMatches = TitleMatches(row.title, kSite.browserTextKeyword);
  if (read) row.search = FieldSearch{*read};
  return row;
}
} // namespace

TEST(SiteView, EachWindowIsJudgedAsAPressJudgesItInTheUsersWords) {
  struct Case {
    SiteWindowRow row;
    const wchar_t* address;
    const wchar_t* counts;
  };
  const std::wstring chrome = L"Chrome_WidgetWin_1", title = L"Example Domain - Google Chrome";
  const Case cases[] = {
      {Row(chrome, title, AddressRead{Outcome::Address, L"example.com/"}), L"example.com/", L"Yes"},
      {Row(chrome, L"News - Google Chrome", std::nullopt), L"not read: its title lacks the keyword",
       L"No: title lacks EXAMPLE DOMAIN"},
      {Row(L"MozillaWindowClass", L"Example Domain \u2014 Mozilla Firefox", AddressRead{Outcome::Address, L"other.org"}),
       L"other.org", L"No: address lacks EXAMPLE.COM"},
      {Row(chrome, title, AddressRead{Outcome::NoAddressField, L""}), L"no address bar: an application window",
       L"No: no address bar"},
      {Row(chrome, title, AddressRead{}), L"not readable: counted on its title",
       L"Yes: counted on its title: its address could not be read"},
      {Row(L"IEFrame", L"Example Domain - Internet Explorer", AddressRead{Outcome::Address, L""}), L"(empty)",
       L"No: address lacks EXAMPLE.COM"},
  };
  for (const Case& c : cases) {
    const RowTexts texts = DescribeRow(c.row, kSite);
    EXPECT_EQ(texts.address, c.address) << c.row.title;
    EXPECT_EQ(texts.counts, c.counts) << c.row.title;
    EXPECT_EQ(texts.countsAsSite, texts.counts[0] == L'Y') << c.row.title;
  }
  EXPECT_EQ(DescribeRow(cases[2].row, kSite).browser, L"Firefox");
  SiteWindowRow inBackground = cases[1].row;  // a press would select this tab
  inBackground.backgroundTab = L"Example\u200b Domain";
  EXPECT_EQ(DescribeRow(inBackground, kSite).counts, L"No: title lacks EXAMPLE DOMAIN; a background tab: 'Example<ZWSP> Domain'");
  EXPECT_EQ(ShowInvisibleCharacters(L"Example\u200b Domain\u00a0- Edge"), L"Example<ZWSP> Domain<NBSP>- Edge");
}

TEST(SiteView, KeywordsAreSuggestedFromTheOneReadableWindowWhenNoneCounts) {
  const std::pair<const wchar_t*, const wchar_t*> hosts[] = {
      {L"https://www.example.com/a?b", L"EXAMPLE.COM"}, {L"example.org/path", L"EXAMPLE.ORG"},
      {L"http://intranet.local:8080/x", L"INTRANET.LOCAL"}, {L"192.168.1.20:81/", L"192.168.1.20"},
      {L"https://user@[::1]:8443/", L"[::1]"}, {L"about:blank", L""}, {L"weather tomorrow", L""}};
  for (const auto& [address, host] : hosts) EXPECT_EQ(SuggestKeywords(address, L"").urlKeyword, host) << address;
  const std::pair<const wchar_t*, const wchar_t*> titles[] = {
      {L"Example Domain - Google Chrome", L"EXAMPLE"},
      {L"Microsoft\u200b Edge - Outlook", L"OUTLOOK"},
      {L"\u2014 a Portal \u2014 Mozilla Firefox", L"PORTAL"},
      {L"\u00fcbersicht \u2013 Beispiel GmbH", L"\u00dcBERSICHT"},
      {L"Mozilla Firefox", L""}};
  for (const auto& [title, word] : titles) EXPECT_EQ(SuggestKeywords(L"", title).browserTextKeyword, word) << title;

  std::vector<SiteWindowRow> rows{Row(L"Chrome_WidgetWin_1", L"Portal - Google Chrome", AddressRead{Outcome::Address, L"portal.example.net/"}),
                                  Row(L"Chrome_WidgetWin_1", L"Editor", AddressRead{Outcome::NoAddressField, L""})};
  rows[0].titleMatches = true;
  EXPECT_EQ(HintLine(rows, kSite), L"No window counts. For the window showing portal.example.net/ to count, set in "
                                   L"Settings the URL keyword to PORTAL.EXAMPLE.NET and the browser text keyword to PORTAL.");
  rows.push_back(rows[0]);
  EXPECT_EQ(HintLine(rows, kSite), L"") << "two readable windows: no suggestion";
  rows.pop_back();
  rows[0].search->read.address = L"example.com/";
  EXPECT_EQ(HintLine(rows, kSite), L"") << "a window counts: no suggestion";
}
