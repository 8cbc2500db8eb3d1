// The site's browser windows reached through the program's hotkeys, tray icon and tray menu.
#include <gtest/gtest.h>

#include <algorithm>

#include "driver/desktop.h"
#include "driver/fake_browser.h"
#include "driver/quorvex_app.h"

using namespace e2e;
using qvx_test::BrowserHandlerRegistration;
using qvx_test::FakeBrowser;
using qvx_test::FakeBrowsersAt;

namespace {
constexpr WORD kLaunchKey = 'J';  // Ctrl+Alt+J: "Launch New"
constexpr WORD kToggleKey = 'K';  // Ctrl+Alt+K: "Toggle Between"

class Switching : public ::testing::Test {
 protected:
  BrowserHandlerRegistration handler;
  TempDir dir;
  QuorvexApp app{dir.Path()};
  std::wstring keyword = qvx_test::UniqueToken();
  std::wstring launchUrl = L"https://start-" + keyword + L".test/home";
  std::vector<FakeBrowser> opened;
  HWND elsewhere = nullptr;  // a window of the user's that is not the site's

  void SetUp() override {
    ASSERT_TRUE(handler.Ok());
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse");
    const std::string k(keyword.begin(), keyword.end()), url(launchUrl.begin(), launchUrl.end());
    app.Write(L"QuorvexSettings.txt", "QVX2\r\nFAKE BROWSER\r\n" + k + "\r\n" + url + "\r\n\r\n");
    app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n75\r\n1\r\n");
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning());
    elsewhere = CreateWindowExW(0, L"Static", L"Elsewhere", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr, nullptr,
                                nullptr, nullptr);
  }
  void TearDown() override {
    for (HWND w : FakeBrowsersAt(launchUrl)) PostMessageW(w, WM_CLOSE, 0, 0);
    if (app.Proc().IsRunning()) app.Exit();
    DestroyWindow(elsewhere);
  }

  // A site window opened by the user: the address holds the keyword.
  HWND OpenSiteWindow(const std::wstring& page) {
    opened.push_back(FakeBrowser::Open(L"https://" + keyword + L".test/" + page));
    return opened.back().frame;
  }
  // The user works in a window of another program, long enough for the program to notice.
  // Browser windows that have just opened may still take the foreground; try until it stays.
  void WorkElsewhere() {
    ASSERT_TRUE(WaitFor([&] {
      SetForegroundWindow(elsewhere);
      return StaysFalse([&] { return GetForegroundWindow() != elsewhere; }, 600ms);
    })) << "the foreground would not stay with another program's window";
  }
  void StayInForeground(HWND w) {
    EXPECT_TRUE(StaysFalse([&] { return GetForegroundWindow() != w; }, 600ms)) << "the foreground moved on";
  }
  // Presses the toggle hotkey and waits for the expected window to come to the front.
  void ToggleExpecting(HWND expected) {
    PressChord({VK_CONTROL, VK_MENU, kToggleKey});
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == expected; }))
        << "expected " << expected << ", foreground is " << GetForegroundWindow();
    StayInForeground(expected);
  }
};

std::vector<HWND> Ascending(std::vector<HWND> windows) {
  std::sort(windows.begin(), windows.end(), [](HWND a, HWND b) {
    return static_cast<LONG>(reinterpret_cast<LONG_PTR>(a)) < static_cast<LONG>(reinterpret_cast<LONG_PTR>(b));
  });
  return windows;
}
} // namespace

TEST_F(Switching, LaunchNewOpensExactlyOneBrowserWindowPerPress) {
  PressChord({VK_CONTROL, VK_MENU, kLaunchKey});
  EXPECT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 1; }));
  PressChord({VK_CONTROL, VK_MENU, kLaunchKey});
  EXPECT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 2; }));
  EXPECT_TRUE(StaysFalse([&] { return FakeBrowsersAt(launchUrl).size() > 2; }, 1s));
}

TEST_F(Switching, ToggleLaunchesWhenNoneIsOpenThenCyclesInAscendingOrder) {
  PressChord({VK_CONTROL, VK_MENU, kToggleKey});
  ASSERT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 1; })) << "no launch without a window";

  OpenSiteWindow(L"b");
  OpenSiteWindow(L"c");
  std::vector<HWND> site = FakeBrowsersAt(launchUrl);
  site.push_back(opened[0].frame);
  site.push_back(opened[1].frame);
  site = Ascending(site);
  ShowWindow(site[1], SW_MINIMIZE);
  WorkElsewhere();

  ToggleExpecting(site[0]);
  ToggleExpecting(site[1]);
  EXPECT_TRUE(IsZoomed(site[1])) << "a minimised window comes back full size";
  ToggleExpecting(site[2]);
  ToggleExpecting(site[0]);  // round again
  EXPECT_EQ(FakeBrowsersAt(launchUrl).size(), 1u) << "a toggle launched although windows were open";
}

TEST_F(Switching, TrayClicksToggleOnceForASingleClickAndTwiceForADoubleClick) {
  const std::vector<HWND> site = Ascending({OpenSiteWindow(L"a"), OpenSiteWindow(L"b"), OpenSiteWindow(L"c")});
  ASSERT_TRUE(WaitForTrayIconCount(1));
  WorkElsewhere();
  DoubleClick(TrayIcons().at(0));
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == site[1]; })) << "a double click is two toggles";
  StayInForeground(site[1]);
  LeftClick(TrayIcons().at(0));
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == site[2]; })) << "a click is one toggle";
}

TEST_F(Switching, OpenNewInstanceInTheMenuLaunchesOnce) {
  ASSERT_TRUE(WaitForTrayIconCount(1));
  RightClick(TrayIcons().at(0));
  ASSERT_TRUE(WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; }));
  PressKey(VK_DOWN);  // the first item
  PressKey(VK_RETURN);
  EXPECT_TRUE(WaitFor([&] { return FakeBrowsersAt(launchUrl).size() == 1; }));
  EXPECT_TRUE(StaysFalse([&] { return FakeBrowsersAt(launchUrl).size() > 1; }, 1s));
}
