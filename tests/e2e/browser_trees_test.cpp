// Toggle Between on the trees real browsers serve (long tab strips, find bars, accessibility
// turned off, a layout that changes, a browser that stops answering), and one press per keystroke.
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "driver/site_scenario.h"

using namespace e2e;
using qvx_test::FakeBrowsersAt;

namespace {
// The time between two keystrokes of a person, or between a held key's repeats: part of the
// input itself, not a wait for the program.
void KeyboardPace(Millis gap) { std::this_thread::sleep_for(gap); }

void SendKey(WORD key, bool up) {
  INPUT input{INPUT_KEYBOARD, {}};
  input.ki = KEYBDINPUT{key, static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC)), up ? KEYEVENTF_KEYUP : 0u, 0, 0};
  SendInput(1, &input, sizeof input);
}

// Ctrl+Alt+key held down, the key repeated by the keyboard. Wine forgets held keys when a new
// window takes the focus (as a launched browser's does), so the repeats come before that.
void HoldChord(WORD key, int repeats = 6) {
  for (WORD k : {WORD(VK_CONTROL), WORD(VK_MENU), key}) SendKey(k, false);
  for (int i = 0; i < repeats; ++i) KeyboardPace(30ms), SendKey(key, false);
  for (WORD k : {key, WORD(VK_MENU), WORD(VK_CONTROL)}) SendKey(k, true);
}

class BrowserTrees : public SiteScenario {
 protected:
  // A browser window titled with the keyword, as every page of the site is: its address decides.
  HWND Open(const std::wstring& options, bool atSite) {
    const std::wstring title = qvx_test::Quoted(L"Portal " + keyword + L" - Browser");
    return SiteScenario::Open(options + L" --title " + title + L" https://" + (atSite ? keyword : L"other") +
                              L".test/page");
  }
};
} // namespace

TEST_F(BrowserTrees, AddressesAreReadBehindLongTabStripsNeverFromAFindBarAndStillAfterTheLayoutChanged) {
  const std::vector<HWND> site = Ascending({Open(L"--style firefox-2026 --tabs 150", true),
                                            Open(L"--style chromium-2024 --tabs 300", true),
                                            Open(L"--style chromium-2026 --tabs 300", true),
                                            Open(L"--style firefox-2026 --outer-combo --tabs 20", true),
                                            Open(L"--style firefox-2026 --no-accessibility", false)});  // on its title
  Open(L"--style firefox-2026 --tabs 150", false);
  Open(L"--style chromium-2024 --tabs 300", false);
  Open(L"--style firefox-2026 --find-bar " + keyword, false);
  WorkElsewhere();
  for (HWND w : site) ToggleExpecting(w);
  // A tool bar appears before each window's location bar: what was remembered no longer holds.
  const UINT insertToolBar = RegisterWindowMessageW(L"QuorvexFixtureInsertToolBar");
  for (const auto& browser : opened) {
    DWORD_PTR inserted = 0;
    SendMessageTimeoutW(browser.frame, insertToolBar, 0, 0, SMTO_ABORTIFHUNG, 5000, &inserted);
    ASSERT_EQ(inserted, 1u) << "the fixture did not change its layout";
  }
  for (HWND w : site) ToggleExpecting(w);
}

TEST_F(BrowserTrees, BrowsersThatStopAnsweringInMidTreeHoldUpNoPressNorTheOtherWindows) {
  // The Internet Explorer window and the readable one count by their address only; the four that
  // stop answering are never read to the end and count on their titles, press after press.
  std::vector<HWND> stalled, site = {Open(L"", true), Open(L"--style chromium-2024 --tabs 40", true)};
  for (int i = 0; i < 4; ++i) stalled.push_back(Open(L"--style chromium-2024 --tabs 40 --stall-after 8", false));
  site.insert(site.end(), stalled.begin(), stalled.end());
  site = Ascending(site);
  for (size_t press = 0; press <= site.size(); ++press) {
    WorkElsewhere();  // the cycle goes on from its own place, whatever is in front
    // Wine makes a window active once its thread answers: a stalled one brought forward leaves none in front.
    const HWND next = site[press % site.size()];
    ToggleExpecting(std::count(stalled.begin(), stalled.end(), next) ? nullptr : next, 2500ms);
  }
}

TEST_F(BrowserTrees, AHeldCombinationIsOnePressAndQuickTogglesLaunchOnce) {
  HoldChord(kToggleKey);
  ASSERT_TRUE(WaitFor([&] { return Launched() >= 1; })) << "a held Toggle Between launched nothing";
  EXPECT_TRUE(StaysFalse([&] { return Launched() > 1; }, 4s)) << "a held Toggle Between launched again";
  HoldChord(kLaunchKey);
  ASSERT_TRUE(WaitFor([&] { return Launched() >= 2; }));
  EXPECT_TRUE(StaysFalse([&] { return Launched() > 2; }, 3s)) << "a held Launch New launched again";
  for (int i = 0; i < 3; ++i) KeyboardPace(300ms), PressChord({VK_CONTROL, VK_MENU, kLaunchKey});
  EXPECT_TRUE(WaitFor([&] { return Launched() == 5; })) << "three presses of Launch New, " << Launched() - 2 << " windows";
  EXPECT_TRUE(StaysFalse([&] { return Launched() > 5; }, 3s));
  // None of the site's windows open again (closed ones gone too). A browser takes a second to show
  // its first window, the fake one a few tenths: the presses come as much quicker.
  for (HWND w : FakeBrowsersAt(launchUrl)) PostMessageW(w, WM_CLOSE, 0, 0);
  ASSERT_TRUE(WaitFor([&] { return !FindWindowW(L"IEFrame", (launchUrl + L" - Fake Browser").c_str()); }));
  for (int i = 0; i < 3; ++i) KeyboardPace(60ms), PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  ASSERT_TRUE(WaitFor([&] { return Launched() >= 1; }));
  EXPECT_TRUE(StaysFalse([&] { return Launched() > 1; }, 4s)) << "quick presses of Toggle Between launched again";
}
