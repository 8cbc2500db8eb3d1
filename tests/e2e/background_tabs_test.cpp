// Toggle Between with the site open only in a background tab of a Chromium- or Firefox-style
// window: the tab is selected and its window comes forward; a tab of another site is selected
// back; a browser that never finishes selecting holds up no press.
#include "driver/site_scenario.h"

using namespace e2e;
using qvx_test::FakeBrowsersAt;
using qvx_test::Quoted;

namespace {
class BackgroundTabs : public SiteScenario {
 protected:
  std::wstring siteTitle = L"Portal " + keyword;  // every page of the site is titled so

  // A browser window showing a news page, with one more tab at the address.
  HWND OpenWithTab(const std::wstring& options, const std::wstring& tabAddress) {
    return Open(options + L" --title \"News - Browser\" https://news.test/ --tab " +
                Quoted(siteTitle + L"|" + tabAddress));
  }
  std::wstring SitePage() const { return L"https://" + keyword + L".test/page"; }
  static std::wstring Title(HWND w) {  // kept by the system: asks nothing of a busy browser
    wchar_t t[200] = L"";
    return std::wstring(t, GetWindowTextW(w, t, 200));
  }
  // MAKELONG(the shown tab's index, how many times the browser selected a tab)
  static DWORD_PTR TabsOf(HWND w) {
    static const UINT shownTab = RegisterWindowMessageW(L"QuorvexFixtureShownTab");
    DWORD_PTR answer = 0;
    SendMessageTimeoutW(w, shownTab, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer);
    return answer;
  }
};
} // namespace

TEST_F(BackgroundTabs, TheSiteInABackgroundTabIsSelectedAndComesForwardThenCountsAsAWindow) {
  for (const wchar_t* style : {L"chromium-2024", L"chromium-2026 --slow-select 300", L"firefox-2026 --tabs 30"}) {
    SCOPED_TRACE(style);
    const HWND browser = OpenWithTab(L"--style " + std::wstring(style), SitePage());
    ASSERT_TRUE(browser);
    WorkElsewhere();
    ToggleExpecting(browser);
    EXPECT_EQ(Title(browser), siteTitle + L" - Fake Browser");
    EXPECT_EQ(TabsOf(browser), MAKELONG(1, 1)) << "the site's tab is not the one shown";
    EXPECT_TRUE(StaysFalse([&] { return Launched() > 0; }, 1s)) << "the press launched too";
    // The window shows the site now: presses cycle over it and a window opened since, no tab touched.
    const HWND other = Open(SitePage());
    const std::vector<HWND> site = Ascending({browser, other});
    WorkElsewhere();
    ToggleExpecting(site[0]);
    ToggleExpecting(site[1]);
    EXPECT_EQ(TabsOf(browser), MAKELONG(1, 1));
    opened.clear();  // their processes end
    ASSERT_TRUE(WaitFor([&] { return !IsWindow(browser) && !IsWindow(other); }));
  }
}

TEST_F(BackgroundTabs, AWindowShowingTheSiteIsChosenAndATabOfAnotherSiteIsSelectedBackBeforeTheLaunch) {
  const HWND site = Open(L"--style chromium-2024 --title " + Quoted(siteTitle) + L" " + SitePage());
  const HWND withSiteTab = OpenWithTab(L"--style firefox-2026", SitePage());
  const HWND otherSite = OpenWithTab(L"--style chromium-2026", L"https://elsewhere.test/");
  WorkElsewhere();
  ToggleExpecting(site);
  for (HWND w : {withSiteTab, otherSite}) EXPECT_EQ(TabsOf(w), MAKELONG(0, 0)) << "a tab was selected after all";
  // Only the tab of another site with the site's title is left.
  opened[0].process.Kill();
  opened[1].process.Kill();
  ASSERT_TRUE(WaitFor([&] { return !IsWindow(site) && !IsWindow(withSiteTab); }));
  WorkElsewhere();
  PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  EXPECT_TRUE(WaitFor([&] { return Launched() == 1; })) << "the Launch URL did not open";
  EXPECT_EQ(TabsOf(otherSite), MAKELONG(0, 2)) << "the tab was not tried, or not selected back";
  EXPECT_EQ(Title(otherSite), L"News - Browser");
}

TEST_F(BackgroundTabs, ABrowserThatNeverFinishesSelectingATabLeavesThePressOverInTime) {
  ASSERT_TRUE(OpenWithTab(L"--style chromium-2024 --hung-select", SitePage()));
  WorkElsewhere();
  PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  EXPECT_TRUE(WaitFor([&] { return Launched() > 0; }, 2500ms)) << "the press was not over in 2.5 s";
  // The program still serves presses: the launched window is the site's.
  ASSERT_TRUE(WaitFor([&] { return Launched() == 1; }));
  const HWND launched = FakeBrowsersAt(launchUrl).at(0);
  WorkElsewhere();
  ToggleExpecting(launched);
}
