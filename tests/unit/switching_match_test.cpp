#include <gtest/gtest.h>


#include "main/switching/address_field.h"
#include "main/switching/window_walk.h"

using namespace qvx;
using Outcome = AddressRead::Outcome;

TEST(WindowMatch, UpperCasedTextContainsTheKeywordWithinThe149thCharacter) {
  EXPECT_TRUE(TitleMatches(L"Example Portal - Internet Explorer", L"EXAMPLE"));
  EXPECT_TRUE(AddressMatches(L"https://www.example.com/", L"EXAMPLE.COM"));
  EXPECT_FALSE(TitleMatches(L"example portal", L"Example"));
  const std::wstring pad(145, L'.');
  EXPECT_TRUE(TitleMatches(pad + L"SITE", L"SITE"));    // ends at character 149
  EXPECT_FALSE(TitleMatches(pad + L"XSITE", L"SITE"));  // its last letter is the 150th
}

TEST(WindowMatch, BrowserFamilyComesFromTheClassName) {
  constexpr auto ie = BrowserFamily::InternetExplorer, modern = BrowserFamily::Modern, none = BrowserFamily::None;
  const std::pair<const wchar_t*, BrowserFamily> classes[] = {
      {L"IEFrame", ie}, {L"MyIEFRAMEHost", ie}, {L"Chrome_WidgetWin_1", modern}, {L"MozillaWindowClass", modern},
      {L"IE_Frame", none}, {L"Chrome_WidgetWin_0", none}, {L"chrome_widgetwin_1", none}, {L"", none}};
  for (const auto& [name, family] : classes) EXPECT_EQ(BrowserFamilyOf(name), family) << name;
}

static AddressRead Read(std::wstring address) { return {Outcome::Address, std::move(address)}; }

TEST(WindowWalk, CandidatesCountByTheirAddressAscendingAndOnce) {
  const std::vector<Candidate> site = {{9, BrowserFamily::InternetExplorer}, {-7, BrowserFamily::Modern},
                                       {5, BrowserFamily::Modern}, {9, BrowserFamily::InternetExplorer}};
  EXPECT_EQ(SiteWindows(site, {Read(L"http://example.com/"), Read(L"example.com/a"), Read(L"EXAMPLE.COM"), Read(L"")},
                        L"EXAMPLE.COM"),
            (std::vector<WindowId>{-7, 5, 9}));
  // Unread: a modern window counts on its title alone, Internet Explorer's does not count.
  EXPECT_EQ(SiteWindows(site, {{}, {}, {Outcome::NoAddressField, {}}, {}}, L"EXAMPLE.COM"),
            (std::vector<WindowId>{-7}));
  EXPECT_FALSE(CountsAsSiteWindow(BrowserFamily::Modern, Read(L"https://other.org/"), L"EXAMPLE.COM"));
}

namespace {
// A tree as plain data, element 0 the window's own; the questions asked are counted.
struct Node { long role; std::vector<std::size_t> children; std::wstring value; unsigned long state; };
class PlainTree : public AccessibleTree {
 public:
  std::vector<Node> nodes{{0x0a, {}, L"", 0}};
  std::size_t rolesAsked = 0, valuesRead = 0;
  std::size_t Add(long role, std::vector<std::size_t> children = {}, std::wstring value = L"", unsigned long state = 0) {
    nodes.push_back({role, std::move(children), std::move(value), state});
    return nodes.size() - 1;
  }
  std::vector<Element> Children(Element e, std::size_t most) override {
    const auto& c = nodes.at(e).children;
    return {c.begin(), c.begin() + static_cast<std::ptrdiff_t>(std::min(most, c.size()))};
  }
  long Role(Element e) override { return ++rolesAsked, nodes.at(e).role; }
  unsigned long State(Element e) override { return nodes.at(e).state; }
  std::wstring Value(Element e) override { return ++valuesRead, nodes.at(e).value; }
  AddressRead Search(std::vector<std::size_t> top) {
    nodes[0].children = std::move(top);
    return FindAddressField(*this);
  }
};
constexpr long kButton = 0x2b, kGroup = 0x14, kTab = 0x25;
} // namespace

TEST(AddressField, OnlyAnEditableFieldInAToolBarOutsideThePageIsTheAddress) {
  PlainTree chromium;  // the page's own text field comes first breadth-first, inside the document
  const auto page = chromium.Add(kRoleDocument, {chromium.Add(kRoleText, {}, L"page field")});
  const auto tabs = chromium.Add(kGroup, {chromium.Add(kTab)});
  const auto bar = chromium.Add(kRoleToolBar, {chromium.Add(kButton), chromium.Add(kRoleText, {}, L"example.com/home")});
  const auto second = chromium.Add(kRoleToolBar, {chromium.Add(kRoleText, {}, L"second field")});
  EXPECT_EQ(chromium.Search({page, chromium.Add(kGroup, {tabs, bar, second})}).address, L"example.com/home");
  EXPECT_EQ(chromium.valuesRead, 1u);

  PlainTree firefox;  // the first tool bar is the tab strip
  const auto strip = firefox.Add(kRoleToolBar, {firefox.Add(kGroup, {firefox.Add(kTab)})});
  const auto nav = firefox.Add(kRoleToolBar, {firefox.Add(kButton), firefox.Add(kRoleComboBox, {}, L"https://www.example.com/")});
  const AddressRead read = firefox.Search({strip, nav, firefox.Add(kRoleDocument)});
  EXPECT_EQ(read.outcome, Outcome::Address);
  EXPECT_EQ(read.address, L"https://www.example.com/");

  PlainTree electron;  // an editable field, but in no tool bar
  EXPECT_EQ(electron.Search({electron.Add(kGroup, {electron.Add(kRoleText, {}, L"example.com")})}).outcome,
            Outcome::NoAddressField);
  PlainTree installedSite;  // the origin shown read-only in a tool bar
  EXPECT_EQ(installedSite.Search({installedSite.Add(kRoleToolBar, {installedSite.Add(kRoleText, {}, L"example.com", kStateReadOnly)})}).outcome,
            Outcome::NoAddressField);
  PlainTree inPage;  // a tool bar inside the page is never reached
  EXPECT_EQ(inPage.Search({inPage.Add(kRoleDocument, {inPage.Add(kRoleToolBar, {inPage.Add(kRoleText)})})}).outcome,
            Outcome::NoAddressField);
}

TEST(AddressField, DepthAndElementLimitsEndTheSearch) {
  for (int levels : {kAddressSearchDepth - 1, kAddressSearchDepth}) {  // the field at depth levels + 1
    PlainTree deep;
    std::size_t below = deep.Add(kRoleText, {}, L"example.com");
    for (int i = 1; i < levels; ++i) below = deep.Add(kGroup, {below});
    const AddressRead read = deep.Search({deep.Add(kRoleToolBar, {below})});
    EXPECT_EQ(read.outcome, levels < kAddressSearchDepth ? Outcome::Address : Outcome::NoAddressField) << levels;
  }
  for (std::size_t buttons : {kAddressSearchElements - 3, kAddressSearchElements - 2}) {
    PlainTree wide;
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < buttons; ++i) items.push_back(wide.Add(kButton));
    items.push_back(wide.Add(kRoleText, {}, L"example.com"));
    const AddressRead read = wide.Search({wide.Add(kRoleToolBar, items)});
    EXPECT_EQ(read.outcome, buttons < kAddressSearchElements - 2 ? Outcome::Address : Outcome::NoAddressField);
    EXPECT_LE(wide.rolesAsked, kAddressSearchElements);
  }
}
