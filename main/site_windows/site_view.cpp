#include "main/site_windows/site_view.h"

#include <array>
#include <utility>

#include "common/text_case.h"

namespace qvx {

namespace {
using Outcome = AddressRead::Outcome;

constexpr std::pair<wchar_t, const wchar_t*> kInvisible[] = {
    {0x00A0, L"<NBSP>"}, {0x00AD, L"<SHY>"},   {0x2007, L"<FIGSP>"}, {0x2009, L"<THINSP>"}, {0x200A, L"<HAIRSP>"},
    {0x200B, L"<ZWSP>"}, {0x200C, L"<ZWNJ>"},  {0x200D, L"<ZWJ>"},   {0x200E, L"<LRM>"},    {0x200F, L"<RLM>"},
    {0x202A, L"<LRE>"},  {0x202B, L"<RLE>"},   {0x202C, L"<PDF>"},   {0x202D, L"<LRO>"},    {0x202E, L"<RLO>"},
    {0x202F, L"<NNBSP>"}, {0x2060, L"<WJ>"},   {0x2066, L"<LRI>"},   {0x2067, L"<RLI>"},    {0x2068, L"<FSI>"},
    {0x2069, L"<PDI>"},  {0x3000, L"<IDSP>"},  {0xFEFF, L"<ZWNBSP>"},
};

// Browsers' own names, which they put into their windows' titles.
constexpr std::wstring_view kBrowserNames[] = {L"GOOGLE",  L"CHROME",  L"CHROMIUM", L"MICROSOFT", L"EDGE",
                                               L"MOZILLA", L"FIREFOX", L"BRAVE",    L"OPERA",     L"VIVALDI",
                                               L"INTERNET", L"EXPLORER"};

constexpr std::pair<long, const wchar_t*> kRoleNames[] = {
    {0x02, L"menu bar"},   {0x09, L"window"},       {0x0a, L"client"},     {0x0e, L"application"},
    {0x0f, L"document"},   {0x10, L"pane"},         {0x14, L"grouping"},   {0x16, L"tool bar"},
    {0x25, L"page tab"},   {0x26, L"property page"}, {0x29, L"static text"}, {0x2a, L"text"},
    {0x2b, L"push button"}, {0x2e, L"combo box"},   {0x3c, L"page tab list"},
};

std::wstring RoleName(long role) {
  for (const auto& [value, name] : kRoleNames) {
    if (value == role) return name;
  }
  static constexpr wchar_t kDigits[] = L"0123456789abcdef";
  std::wstring hex;
  for (unsigned long v = static_cast<unsigned long>(role); hex.empty() || v != 0; v >>= 4) hex.insert(hex.begin(), kDigits[v & 0xF]);
  return L"role 0x" + hex;
}

bool IsLetter(wchar_t c) {
  if ((c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z')) return true;
  // Beyond ASCII: letters of the Latin, Greek, Cyrillic and other scripts, not the punctuation,
  // spaces and symbols of the general punctuation block.
  return c >= 0xC0 && c != 0xD7 && c != 0xF7 && !(c >= 0x2000 && c <= 0x206F) && c != 0x3000 && c != 0xFEFF;
}

bool IsWordCharacter(wchar_t c) { return IsLetter(c) || (c >= L'0' && c <= L'9'); }

std::wstring FirstTitleWord(std::wstring_view title) {
  std::size_t i = 0;
  while (i < title.size()) {
    while (i < title.size() && !IsWordCharacter(title[i])) ++i;
    std::size_t end = i, letters = 0;
    for (; end < title.size() && IsWordCharacter(title[end]); ++end) letters += IsLetter(title[end]) ? 1 : 0;
    const std::wstring word = ToUpperText(title.substr(i, end - i));
    bool browserName = false;
    for (std::wstring_view name : kBrowserNames) browserName = browserName || word == name;
    if (letters >= 2 && !browserName) return word;
    i = end;
  }
  return {};
}

std::wstring HostOf(std::wstring_view address) {
  std::wstring_view rest = address;
  if (const auto scheme = rest.find(L"://"); scheme != std::wstring_view::npos) rest.remove_prefix(scheme + 3);
  rest = rest.substr(0, rest.find_first_of(L"/?#"));
  if (const auto user = rest.rfind(L'@'); user != std::wstring_view::npos) rest.remove_prefix(user + 1);
  std::wstring_view host = rest;
  if (!rest.empty() && rest.front() == L'[') {
    host = rest.substr(0, rest.find(L']') == std::wstring_view::npos ? 0 : rest.find(L']') + 1);
  } else {
    host = rest.substr(0, rest.find(L':'));
  }
  // Search terms, "about:" pages and the like have no host.
  const bool named = host.find(L'.') != std::wstring_view::npos || host == L"localhost" || host.starts_with(L'[');
  if (!named || host.find_first_of(L" \t") != std::wstring_view::npos) return {};
  std::wstring upper = ToUpperText(host);
  if (upper.starts_with(L"WWW.")) upper.erase(0, 4);
  return upper;
}

bool HasReadableAddress(const SiteWindowRow& row) {
  return row.search && row.search->read.outcome == Outcome::Address && !row.search->read.address.empty();
}

std::wstring FoundBy(const SiteWindowRow& row) {
  if (!row.search) return L"not read";
  if (row.family == BrowserFamily::InternetExplorer) return L"the address bar's child windows";
  if (row.search->read.outcome != Outcome::Address) return L"a full search, without a field";
  return row.search->byRememberedPath ? L"the remembered path" : L"a full search";
}

std::wstring RolesToField(const SiteWindowRow& row) {
  if (!row.search || row.search->path.Empty()) return L"-";
  std::wstring roles = L"window";
  for (const FieldPath::Step& step : row.search->path.steps) roles += L" > " + RoleName(step.role);
  return roles;
}
} // namespace

std::wstring FamilyName(std::wstring_view windowClass) {
  switch (BrowserFamilyOf(windowClass)) {
    case BrowserFamily::InternetExplorer: return L"Internet Explorer";
    case BrowserFamily::Modern: return windowClass == kFirefoxFrameClass ? L"Firefox" : L"Chromium";
    case BrowserFamily::None: break;
  }
  return {};
}

std::wstring ShowInvisibleCharacters(std::wstring_view text) {
  std::wstring shown;
  for (wchar_t c : text) {
    const wchar_t* name = nullptr;
    for (const auto& [character, label] : kInvisible) {
      if (character == c) name = label;
    }
    if (name) shown += name;
    else if (c < 0x20) shown += L"<U+" + std::wstring{L"0123456789ABCDEF"[c >> 4]} + L"0123456789ABCDEF"[c & 0xF] + L">";
    else shown += c;
  }
  return shown;
}

namespace {
RowTexts DescribeShownPage(const SiteWindowRow& row, const SiteValues& site) {
  RowTexts texts;
  texts.browser = FamilyName(row.windowClass) + (row.programFile.empty() ? L"" : L" (" + row.programFile + L")");
  texts.title = ShowInvisibleCharacters(row.title);
  if (!row.titleMatches) {
    texts.address = L"not read: its title lacks the keyword";
    texts.counts = L"No: title lacks " + site.browserTextKeyword;
    return texts;
  }
  if (row.reading) {
    texts.address = texts.counts = L"Reading...";
    return texts;
  }
  // The same rule as a press, on the same read.
  const AddressRead read = row.search ? row.search->read : AddressRead{};
  texts.countsAsSite = CountsAsSiteWindow(row.family, read, site.urlKeyword);
  switch (read.outcome) {
    case Outcome::Address:
      texts.address = read.address.empty() ? L"(empty)" : ShowInvisibleCharacters(read.address);
      texts.counts = texts.countsAsSite ? L"Yes" : L"No: address lacks " + site.urlKeyword;
      break;
    case Outcome::NoAddressField:
      texts.address = L"no address bar: an application window";
      texts.counts = L"No: no address bar";
      break;
    case Outcome::Unreadable:
      texts.address = L"not readable: counted on its title";
      if (!texts.countsAsSite) texts.address = L"not readable";
      texts.counts = texts.countsAsSite ? L"Yes: counted on its title: its address could not be read"
                                        : L"No: its address could not be read";
      break;
  }
  return texts;
}

} // namespace

RowTexts DescribeRow(const SiteWindowRow& row, const SiteValues& site) {
  RowTexts texts = DescribeShownPage(row, site);
  // A press that finds no window of the site selects such a tab.
  if (!texts.countsAsSite && !row.backgroundTab.empty()) {
    texts.counts += L"; a background tab: '" + ShowInvisibleCharacters(row.backgroundTab) + L"'";
  }
  return texts;
}

KeywordHint SuggestKeywords(std::wstring_view address, std::wstring_view title) {
  return {HostOf(address), FirstTitleWord(title)};
}

std::wstring HintLine(const std::vector<SiteWindowRow>& rows, const SiteValues& site) {
  const SiteWindowRow* readable = nullptr;
  for (const SiteWindowRow& row : rows) {
    if (row.reading || DescribeRow(row, site).countsAsSite) return {};
    if (HasReadableAddress(row)) {
      if (readable) return {};
      readable = &row;
    }
  }
  if (!readable) return {};
  const KeywordHint hint = SuggestKeywords(readable->search->read.address, readable->title);
  if (hint.urlKeyword.empty() && hint.browserTextKeyword.empty()) return {};
  std::wstring line = L"No window counts. For the window showing " + ShowInvisibleCharacters(readable->search->read.address) +
                      L" to count, set in Settings";
  if (!hint.urlKeyword.empty()) line += L" the URL keyword to " + hint.urlKeyword;
  if (!hint.urlKeyword.empty() && !hint.browserTextKeyword.empty()) line += L" and";
  if (!hint.browserTextKeyword.empty()) line += L" the browser text keyword to " + hint.browserTextKeyword;
  return line + L".";
}

std::wstring ComposeReport(const ReportHeader& header, const SiteValues& site, const std::vector<SiteWindowRow>& rows) {
  std::wstring report = L"Quorvex Site Windows report\r\n";
  report += L"Program: " + header.programVersion + L"\r\nWindows: " + header.windowsVersion + L"\r\n";
  report += L"Browser text keyword: " + site.browserTextKeyword + L"\r\nURL keyword: " + site.urlKeyword +
            L"\r\nLaunch URL: " + site.launchUrl + L"\r\n";
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const SiteWindowRow& row = rows[i];
    const RowTexts texts = DescribeRow(row, site);
    report += L"\r\nWindow " + std::to_wstring(i + 1) + L" of " + std::to_wstring(rows.size()) + L"\r\n";
    report += L"  Browser: " + texts.browser + L"\r\n  Class: " + row.windowClass + L"\r\n";
    report += L"  Title: " + texts.title + L"\r\n  Address: " + texts.address + L"\r\n  Counts: " + texts.counts + L"\r\n";
    report += L"  Found by: " + FoundBy(row) + L"\r\n";
    report += L"  Elements visited: " + std::to_wstring(row.search ? row.search->elementsVisited : 0) + L"\r\n";
    report += L"  Roles to the field: " + RolesToField(row) + L"\r\n";
    report += L"  Read time: " + (row.search ? std::to_wstring(row.readMs) + L" ms" : std::wstring(L"-")) + L"\r\n";
  }
  return report;
}

} // namespace qvx
