// The site's browser windows reached through the program's hotkeys, tray icon and tray menu.
#include "driver/site_scenario.h"

using namespace e2e;
using qvx_test::FakeBrowsersAt;
using qvx_test::Quoted;

namespace {
class Switching : public SiteScenario {
 protected:
  HWND OpenSiteWindow(const std::wstring& page) { return Open(L"https://" + keyword + L".test/" + page); }
};
} // namespace

TEST_F(Switching, ToggleLaunchesWhenNoneIsOpenThenCyclesThroughEveryBrowserFamilyInAscendingOrder) {
  PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  ASSERT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 1; })) << "no launch without a window";

  const std::wstring address = L" https://" + keyword + L".test/page";
  const HWND edge = Open(L"--style chromium --title " + Quoted(L"Portal " + keyword + L" - Microsoft\u200b Edge") + address);
  const HWND firefox = Open(L"--style firefox --title " + Quoted(L"Portal " + keyword + L" \u2014 Mozilla Firefox") + address);
  const std::vector<HWND> site = Ascending({FakeBrowsersAt(launchUrl).at(0), edge, firefox});
  for (const wchar_t* never : {L"--style chromium https://other.test/", L"--style electron", L"--class FakeFrame"}) {
    Open(std::wstring(never) + L" --title " + keyword + (wcschr(never, L':') ? L"" : address));
  }
  ShowWindow(edge, SW_MINIMIZE);
  WorkElsewhere();

  ToggleExpecting(site[0]);
  ToggleExpecting(site[1]);
  ToggleExpecting(site[2]);
  EXPECT_TRUE(IsZoomed(edge)) << "a minimised window comes back full size";
  ToggleExpecting(site[0]);  // round again
  // The user brings the next one to the front by hand and presses at once: it is skipped.
  SetForegroundWindow(site[1]);
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == site[1]; }));
  ToggleExpecting(site[2]);
  EXPECT_EQ(FakeBrowsersAt(launchUrl).size(), 1u) << "a toggle launched although windows were open";
  PressChord({VK_CONTROL, VK_MENU, kLaunchKey});  // "Launch New" opens one more each time
  EXPECT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 2; }));
  EXPECT_TRUE(StaysFalse([&] { return FakeBrowsersAt(launchUrl).size() > 2; }, 1s));
}

TEST_F(Switching, AHungBrowserCountsOnItsTitleWhileTheTrayAndTheOtherHotkeyKeepAnswering) {
  const HWND hung = Open(L"--style chromium --hang --title " + keyword + L" https://" + keyword + L".test/");
  // The title is kept by the system: reading it asks nothing of the hung window.
  const auto hungTitle = [&] { wchar_t t[200] = L""; return std::wstring(t, GetWindowTextW(hung, t, 200)); };
  ASSERT_TRUE(WaitForTrayIconCount(1));
  WorkElsewhere();
  PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  PressChord({VK_CONTROL, VK_MENU, kLaunchKey});
  RightClick(TrayIcons().at(0));
  ASSERT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; }));
  // "&Open New Instance", sent to the menu's own thread (the foreground may have moved on).
  for (WORD key : {VK_DOWN, VK_RETURN}) PostMessageW(OpenMenuOf(app.Pid()), WM_KEYDOWN, key, 0);
  EXPECT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 2; }));
  EXPECT_EQ(hungTitle(), keyword) << "the tray and the other hotkey answered only after the browser did";
  EXPECT_TRUE(StaysFalse([&] { return FakeBrowsersAt(launchUrl).size() > 2; }, 2s)) << "the toggle launched";
  // Once the browser answers again, the next press is served: the first one is over. The
  // launched windows are the site's too (their address holds the keyword); three now count.
  ASSERT_TRUE(WaitFor([&] { return hungTitle() != keyword; }));
  std::vector<HWND> site = FakeBrowsersAt(launchUrl);
  site.push_back(hung);
  WorkElsewhere();
  ToggleExpecting(Ascending(site).at(0));
}

TEST_F(Switching, TrayClicksToggleOnceForASingleClickAndTwiceForADoubleClick) {
  const std::vector<HWND> site = Ascending({OpenSiteWindow(L"a"), OpenSiteWindow(L"b"), OpenSiteWindow(L"c")});
  ASSERT_TRUE(WaitForTrayIconCount(1));
  WorkElsewhere();
  DoubleClick(TrayIcons().at(0));
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == site[1]; })) << "a double click is two toggles";
  LeftClick(TrayIcons().at(0));
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == site[2]; })) << "a click is one toggle";
}
