#include <gtest/gtest.h>

#include <functional>

#include "main/switching/address_field.h"
#include "main/switching/page_tabs.h"
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
  std::size_t asked = 0;
  bool childrenFail = false;
  std::size_t Add(long role, std::vector<std::size_t> children = {}, std::wstring value = L"", unsigned long state = 0) {
    nodes.push_back({role, std::move(children), std::move(value), state});
    return nodes.size() - 1;
  }
  std::optional<std::vector<Element>> Children(Element e, std::size_t most) override {
    ++asked;
    if (childrenFail) return std::nullopt;
    const auto& c = nodes.at(e).children;
    return std::vector<Element>{c.begin(), c.begin() + static_cast<std::ptrdiff_t>(std::min(most, c.size()))};
  }
  std::optional<Element> Child(Element e, std::size_t position) override {
    ++asked;
    const auto& c = nodes.at(e).children;
    return position < c.size() ? std::optional<Element>(c[position]) : std::nullopt;
  }
  bool IsSimple(Element e) override { return nodes.at(e).children.empty(); }
  long Role(Element e) override { return ++asked, nodes.at(e).role; }
  unsigned long State(Element e) override { return ++asked, nodes.at(e).state; }
  std::wstring Value(Element e) override { return ++asked, nodes.at(e).value; }
  std::wstring Name(Element e) override { return ++asked, nodes.at(e).value; }
  bool DoDefaultAction(Element) override { return false; }
  FieldSearch Search(std::vector<std::size_t> top) {
    nodes[0].children = std::move(top);
    asked = 0;
    return SearchAddressField(*this);
  }
  std::size_t Pane(std::vector<std::size_t> children) { return Add(kGroup, std::move(children)); }
  std::size_t Repeat(std::size_t count, const std::function<std::size_t()>& make) {
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < count; ++i) items.push_back(make());
    return Pane(items);
  }
  static constexpr long kGroup = 0x14, kButton = 0x2b, kClient = 0x0a, kApplication = 0x0e, kGrouping = 0x14;
};
constexpr long kButton = PlainTree::kButton, kGroup = PlainTree::kGroup, kFrame = 0x10;

// A tab strip of `tabs` tabs, each with its close button, as Chromium and Firefox expose it.
std::size_t PlainTabList(PlainTree& t, std::size_t tabs) {
  std::vector<std::size_t> list;
  for (std::size_t i = 0; i < tabs; ++i) list.push_back(t.Add(kRolePageTab, {t.Add(kButton)}, L"", 0));
  return t.Add(kRolePageTabList, list);
}

// Chrome's 2024 layout: the tab strip before the tool bar inside the top container, the
// omnibox seven levels down.
AddressRead Chrome2024(PlainTree& t, std::size_t tabs, const std::wstring& address, long toolBarRole = kRoleToolBar) {
  const std::size_t omnibox = t.Add(kRoleText, {}, address);
  const std::size_t toolbar = t.Add(toolBarRole, {t.Add(kButton), t.Add(kButton), t.Pane({t.Pane({t.Add(kButton), omnibox})})});
  const std::size_t top = t.Pane({t.Pane({PlainTabList(t, tabs), t.Add(kButton)}), toolbar, t.Add(kRoleToolBar, {t.Add(kButton)})});
  const std::size_t browser = t.Pane({top, t.Pane({t.Add(kRoleDocument, {t.Add(kRoleText, {}, L"page")})})});
  return t.Search({t.Pane({browser})}).read;
}

// Firefox: tool bars for the tabs, the navigation (address) and the bookmarks, and a property
// page with a frame and a document per tab; a find bar (an editable field in a tool bar) can be
// open in the first tab's panel.
std::size_t FirefoxNavBar(PlainTree& t, std::size_t field) {
  return t.Add(kRoleToolBar, {t.Add(kButton), t.Add(kButton), t.Pane({field}), t.Add(kButton)});
}
AddressRead Firefox(PlainTree& t, std::size_t tabs, std::size_t field, const std::wstring& findBar = L"") {
  std::vector<std::size_t> panels;
  for (std::size_t i = 0; i < tabs; ++i) {
    std::vector<std::size_t> page{t.Add(kFrame, {t.Add(kRoleDocument, {t.Add(kRoleText)})})};
    if (i == 0 && !findBar.empty()) page.push_back(t.Add(kRoleToolBar, {t.Add(kRoleText, {}, findBar)}));
    panels.push_back(t.Add(kRolePropertyPage, page));
  }
  const std::size_t toolbox = t.Pane({t.Add(0x02, {t.Add(0x0c)}), t.Add(kRoleToolBar, {PlainTabList(t, tabs), t.Add(kButton)}),
                                      FirefoxNavBar(t, field), t.Add(kRoleToolBar, {t.Add(kButton)})});
  t.nodes[0].role = PlainTree::kApplication;
  return t.Search({t.Pane(panels), toolbox}).read;
}
} // namespace

TEST(AddressField, OnlyAnEditableFieldInAToolBarOutsideThePageIsTheAddress) {
  PlainTree electron;  // an editable field, but in no tool bar
  EXPECT_EQ(electron.Search({electron.Pane({electron.Add(kRoleText, {}, L"example.com")})}).read.outcome,
            Outcome::NoAddressField);
  PlainTree installedSite;  // the origin shown read-only in a tool bar
  EXPECT_EQ(installedSite.Search({installedSite.Add(kRoleToolBar, {installedSite.Add(kRoleText, {}, L"example.com", kStateReadOnly)})}).read.outcome,
            Outcome::NoAddressField);
  PlainTree inPage;  // a tool bar inside the page is never reached
  EXPECT_EQ(inPage.Search({inPage.Add(kRoleDocument, {inPage.Add(kRoleToolBar, {inPage.Add(kRoleText)})})}).read.outcome,
            Outcome::NoAddressField);
  PlainTree second;  // the first tool bar's field wins, even when a later one lies shallower
  const auto deep = second.Add(kRoleToolBar, {second.Pane({second.Pane({second.Add(kRoleText, {}, L"first")})})});
  EXPECT_EQ(second.Search({second.Pane({deep}), second.Pane({second.Add(kRoleToolBar, {second.Add(kRoleText, {}, L"x")})})}).read.address,
            L"first");
}

TEST(AddressField, TodaysBrowsersAreFoundWhateverTheNumberOfTabs) {
  for (std::size_t tabs : {1u, 300u}) {
    PlainTree chrome;
    EXPECT_EQ(Chrome2024(chrome, tabs, L"example.com/home").address, L"example.com/home") << tabs;
    EXPECT_LT(chrome.asked, 60u) << "the tab strip is not entered";
  }
  for (std::size_t tabs : {1u, 150u}) {
    PlainTree firefox;
    EXPECT_EQ(Firefox(firefox, tabs, firefox.Add(kRoleComboBox, {}, L"example.com/")).address, L"example.com/") << tabs;
    EXPECT_LT(firefox.asked, 40u + tabs) << "tool bars are searched before the tab panels";
  }
  PlainTree findBar;  // the find bar in a tab's panel holds the keyword; it is no address bar
  EXPECT_EQ(Firefox(findBar, 3, findBar.Add(kRoleComboBox, {}, L"other.org/"), L"example.com").address, L"other.org/");
  PlainTree older;  // an outer combo box without a value: the address is in its editable text
  const auto combo = older.Add(kRoleComboBox, {older.Add(kRoleText, {}, L"", kStateInvisible),
                                               older.Add(kRoleText, {}, L"example.com/a")});
  EXPECT_EQ(Firefox(older, 2, combo).address, L"example.com/a");
}

TEST(AddressField, OnlyATreeSearchedToItsEndHasNoAddressField) {
  for (int levels : {kAddressSearchDepth - 1, kAddressSearchDepth}) {  // the field at depth levels + 1
    PlainTree deep;
    std::size_t below = deep.Add(kRoleText, {}, L"example.com");
    for (int i = 1; i < levels; ++i) below = deep.Pane({below});
    const AddressRead read = deep.Search({deep.Add(kRoleToolBar, {below})}).read;
    EXPECT_EQ(read.outcome, levels < kAddressSearchDepth ? Outcome::Address : Outcome::Unreadable) << levels;
  }
  for (std::size_t buttons : {kAddressSearchElements - 3, kAddressSearchElements - 2}) {
    PlainTree wide;  // an application's large tree, cut short by the element limit
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < buttons; ++i) items.push_back(wide.Add(kButton));
    items.push_back(wide.Add(kRoleText, {}, L"example.com"));
    const AddressRead read = wide.Search({wide.Add(kRoleToolBar, items)}).read;
    EXPECT_EQ(read.outcome, buttons < kAddressSearchElements - 2 ? Outcome::Address : Outcome::Unreadable);
  }
  PlainTree switchedOff;  // accessibility turned off: the root answers its role, never its children
  switchedOff.childrenFail = true;
  EXPECT_EQ(switchedOff.Search({switchedOff.Add(kRoleToolBar)}).read.outcome, Outcome::Unreadable);
  PlainTree silent;  // nothing answers at all
  silent.nodes[0].role = 0;
  EXPECT_EQ(silent.Search({}).read.outcome, Outcome::Unreadable);
}

TEST(AddressField, ARememberedPathIsFollowedWhileItHoldsAndSearchedAgainWhenTheLayoutChanged) {
  PlainTree first;
  ASSERT_EQ(Chrome2024(first, 40, L"example.com/1").outcome, Outcome::Address);
  const FieldPath path = SearchAddressField(first).path;
  PlainTree other;  // another window of the same browser, with other tabs and another address
  Chrome2024(other, 12, L"example.com/2");
  other.asked = 0;
  FieldSearch read = FindAddressField(other, path);
  EXPECT_TRUE(read.byRememberedPath);
  EXPECT_EQ(read.read.address, L"example.com/2");
  EXPECT_LE(other.asked, path.steps.size() + 4) << "one question per level and the checks";

  PlainTree changed;  // a tool bar inserted before the location bar's container
  const auto omnibox = changed.Add(kRoleText, {}, L"example.com/3");
  const auto toolbar = changed.Add(kRoleToolBar, {changed.Add(kButton), changed.Add(kRoleToolBar, {changed.Add(kButton)}),
                                                  changed.Add(kButton), changed.Pane({changed.Pane({changed.Add(kButton), omnibox})})});
  changed.Search({changed.Pane({changed.Pane({changed.Pane({PlainTabList(changed, 2)}), toolbar})})});
  read = FindAddressField(changed, path);
  EXPECT_FALSE(read.byRememberedPath);
  EXPECT_EQ(read.read.address, L"example.com/3");
  EXPECT_FALSE(FollowFieldPath(changed, read.path) == std::nullopt) << "the new path holds";

  PlainTree app;  // the path ends on an editable field that is no longer inside a tool bar
  EXPECT_EQ(Chrome2024(app, 40, L"x", kGroup).outcome, Outcome::NoAddressField);
  EXPECT_EQ(FollowFieldPath(app, path), std::nullopt);
}

namespace {
// Browser windows' tab strips as plain data: selecting a tab shows its page's address.
struct Tab { std::wstring title, address; };
class PlainTabWindows : public TabWindows {
 public:
  std::vector<std::optional<std::vector<Tab>>> windows;  // none: unreadable
  std::vector<std::size_t> shown;
  std::vector<std::pair<std::size_t, std::wstring>> selections;
  std::size_t Count() override { return windows.size(); }
  std::optional<TabStrip> Strip(std::size_t w) override {
    if (!windows[w]) return std::nullopt;
    TabStrip strip;
    for (std::size_t i = 0; i < windows[w]->size(); ++i) {
      strip.tabs.push_back(i);
      if (i != shown[w] && TitleMatches((*windows[w])[i].title, L"EXAMPLE DOMAIN")) strip.siteTabs.push_back({i, (*windows[w])[i].title});
    }
    return strip;
  }
  std::optional<AccessibleTree::Element> Shown(std::size_t w, const TabStrip&) override { return shown[w]; }
  bool Select(std::size_t w, AccessibleTree::Element tab) override {
    selections.push_back({w, (*windows[w])[tab].title});
    shown[w] = tab;
    return true;
  }
  std::wstring Address(std::size_t w, std::wstring_view) override { return (*windows[w])[shown[w]].address; }
  bool TimeToTry() override { return true; }
};
} // namespace

TEST(PageTabs, OnlyTheNamesOfALongStripAreReadAndItIsNeverFoundInsideThePage) {
  PlainTree chrome;
  Chrome2024(chrome, 300, L"example.com/");
  const std::size_t strip = chrome.nodes[chrome.nodes[chrome.nodes[chrome.nodes[chrome.nodes[0].children[0]].children[0]]
                                                         .children[0]].children[0]].children[0];
  ASSERT_EQ(chrome.nodes[strip].role, kRolePageTabList);
  chrome.nodes[chrome.nodes[strip].children[7]].value = L"Example\u200b Domain";  // Edge's title: no match
  chrome.nodes[chrome.nodes[strip].children[9]].value = L"Example Domain \u2014 Forum";
  chrome.nodes[chrome.nodes[strip].children[0]].state = kStateSelected;
  chrome.nodes[chrome.nodes[strip].children[0]].value = L"Example Domain";  // shown: not a background tab
  chrome.asked = 0;
  const auto read = ReadTabStrip(chrome, L"EXAMPLE DOMAIN");
  ASSERT_TRUE(read);
  ASSERT_EQ(read->siteTabs.size(), 1u);
  EXPECT_EQ(read->siteTabs[0].name, L"Example Domain \u2014 Forum");
  EXPECT_LT(chrome.asked, 300u + 60u) << "one question a tab, and a few for the strip's place";
  EXPECT_EQ(ShownTab(chrome, *read), chrome.nodes[strip].children[0]);
  chrome.asked = 0;
  ASSERT_TRUE(ReadTabStrip(chrome, L"EXAMPLE DOMAIN", read->path));
  EXPECT_LT(chrome.asked, 300u + 12u) << "the strip's remembered path is followed, not searched";
  PlainTree inPage;  // a tab list inside the page or a tab panel is never read
  inPage.nodes[0].children = {inPage.Add(kRoleDocument, {PlainTabList(inPage, 2)}), inPage.Add(kRolePropertyPage, {PlainTabList(inPage, 2)})};
  EXPECT_EQ(ReadTabStrip(inPage, L"X"), std::nullopt);
}

TEST(PageTabs, TheFirstTabsWithTheTitleAreTriedAndAWrongSiteIsSelectedBack) {
  PlainTabWindows browsers;
  browsers.windows = {std::vector<Tab>{{L"Mail", L"mail.test/"}, {L"Example Domain \u2014 Forum", L"forum.test/"}},
                      std::nullopt,
                      std::vector<Tab>{{L"News", L"news.test/"}, {L"Example Domain", L"example.com/"}}};
  browsers.shown = {0, 0, 0};
  const auto chosen = SelectSiteTab(browsers, L"EXAMPLE.COM");
  ASSERT_TRUE(chosen);
  EXPECT_EQ(chosen->window, 2u);
  EXPECT_EQ(chosen->name, L"Example Domain");
  const std::vector<std::pair<std::size_t, std::wstring>> expected{
      {0, L"Example Domain \u2014 Forum"}, {0, L"Mail"}, {2, L"Example Domain"}};
  EXPECT_EQ(browsers.selections, expected) << "the forum is selected back before the next is tried";

  PlainTabWindows manyWrong;  // four tabs of another site with the title: three tried, none kept
  manyWrong.windows = {std::vector<Tab>{{L"Start", L"start.test/"}, {L"Example Domain", L"a.test"}, {L"Example Domain", L"b.test"},
                                        {L"Example Domain", L"c.test"}, {L"Example Domain", L"example.com/"}}};
  manyWrong.shown = {0};
  EXPECT_EQ(SelectSiteTab(manyWrong, L"EXAMPLE.COM"), std::nullopt);
  EXPECT_EQ(manyWrong.selections.size(), 6u);
  EXPECT_EQ(manyWrong.shown[0], 0u) << "the user's tab is shown again";
}
