#include <gtest/gtest.h>

#include <map>
#include <string>

#include "main/switching/address_field.h"
#include "main/switching/window_walk.h"

using namespace qvx;
using Outcome = AddressRead::Outcome;

TEST(WindowMatch, UpperCasedTextContainsTheKeywordWithinThe149thCharacter) {
  EXPECT_TRUE(TitleMatches(L"Example Portal - Internet Explorer", L"EXAMPLE"));
  EXPECT_TRUE(AddressMatches(L"https://caf\u00e9.example/", L"CAF\u00c9"));
  EXPECT_FALSE(TitleMatches(L"example portal", L"Example"));
  EXPECT_TRUE(TitleMatches(L"x", L""));
  EXPECT_FALSE(TitleMatches(L"", L""));
  EXPECT_FALSE(AddressMatches(L"", L""));
  const std::wstring pad(145, L'.');
  EXPECT_TRUE(TitleMatches(pad + L"SITE", L"SITE"));    // ends at character 149
  EXPECT_FALSE(TitleMatches(pad + L"XSITE", L"SITE"));  // its last letter is the 150th
}

TEST(WindowMatch, BrowserFamilyComesFromTheClassName) {
  EXPECT_EQ(BrowserFamilyOf(L"IEFrame"), BrowserFamily::InternetExplorer);
  EXPECT_EQ(BrowserFamilyOf(L"MyIEFRAMEHost"), BrowserFamily::InternetExplorer);
  EXPECT_EQ(BrowserFamilyOf(L"Chrome_WidgetWin_1"), BrowserFamily::Modern);
  EXPECT_EQ(BrowserFamilyOf(L"MozillaWindowClass"), BrowserFamily::Modern);
  for (const wchar_t* other : {L"IE_Frame", L"Chrome_WidgetWin_0", L"chrome_widgetwin_1", L"MozillaDialogClass", L""}) {
    EXPECT_EQ(BrowserFamilyOf(other), BrowserFamily::None) << other;
  }
}

namespace {
struct FakeWindow {
  bool topLevel;
  std::wstring title, className;
};

class FakeScreen : public WindowSource {
 public:
  std::map<WindowId, FakeWindow> windows;
  std::vector<WindowId> zOrder;
  std::vector<WindowId> TopLevelWindows() override { return zOrder; }
  bool IsTopLevelWindow(WindowId id) override { return windows.at(id).topLevel; }
  std::wstring Title(WindowId id) override { return windows.at(id).title; }
  std::wstring ClassName(WindowId id) override { return windows.at(id).className; }
};
AddressRead Read(std::wstring address) { return {Outcome::Address, std::move(address)}; }
} // namespace

TEST(WindowWalk, CandidatesPassVisibilityTitleAndClassAndCountByTheirAddress) {
  FakeScreen screen;  // hidden or owned, untitled, another title, another class, three browsers
  screen.windows = {{9, {true, L"Portal - Internet Explorer", L"IEFrame"}}, {1, {false, L"Portal", L"IEFrame"}},
                    {2, {true, L"", L"IEFrame"}}, {3, {true, L"News", L"IEFrame"}}, {4, {true, L"Portal", L"Notepad"}},
                    {-7, {true, L"Portal \u2014 Firefox", L"MozillaWindowClass"}}, {5, {true, L"Portal", L"Chrome_WidgetWin_1"}}};
  screen.zOrder = {9, 1, 2, 3, 4, -7, 5};
  const std::vector<Candidate> found = FindCandidates(screen, L"PORTAL");
  ASSERT_EQ(found.size(), 3u);
  EXPECT_EQ(found[0].window, 9);
  EXPECT_EQ(found[1].family, BrowserFamily::Modern);
  EXPECT_EQ(FindCandidates(screen, L"").size(), 4u);  // window 3 too, never the untitled one

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
struct Node {
  long role;
  std::vector<std::size_t> children;
  std::wstring value;
  unsigned long state;
};
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

TEST(AddressField, ChromiumAndFirefoxTreesGiveTheirAddressNeverPageContent) {
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
}

TEST(AddressField, NoFieldInAToolBarMeansNoAddress) {
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
