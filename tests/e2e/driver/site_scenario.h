#pragma once
// A scenario around the site's browser windows: Quorv114 started in a fresh directory for a
// site named by a unique keyword (browser text keyword and URL keyword alike), with Ctrl+Alt+J
// "Launch New" and Ctrl+Alt+K "Toggle Between", fake browser windows in processes of their own,
// and a window of another program that the user works in.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "common/scoped_win32.h"
#include "driver/desktop.h"
#include "driver/fake_browser.h"
#include "driver/quorvex_app.h"
#include "main/switching/window_walk_win32.h"

namespace e2e {

inline constexpr WORD kLaunchKey = 'J';  // Ctrl+Alt+J: "Launch New"
inline constexpr WORD kToggleKey = 'K';  // Ctrl+Alt+K: "Toggle Between"

class SiteScenario : public ::testing::Test {
 protected:
  TempDir dir;
  QuorvexApp app{dir.Path()};
  std::wstring keyword = qvx_test::UniqueToken();
  std::wstring launchUrl = L"https://start-" + keyword + L".test/home";
  std::vector<qvx_test::FakeBrowser> opened;
  qvx::ScopedWindow elsewhere;

  void SetUp() override {
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse");
    const std::string k(keyword.begin(), keyword.end()), url(launchUrl.begin(), launchUrl.end());
    app.Write(L"QuorvexSettings.txt", "QVX2\r\n" + k + "\r\n" + k + "\r\n" + url + "\r\n\r\n");
    app.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n75\r\n1\r\n");
    ASSERT_TRUE(app.Start().Started());
    ASSERT_TRUE(app.WaitUntilRunning());
    elsewhere.Reset(CreateWindowExW(0, L"Static", L"Elsewhere", WS_POPUP | WS_VISIBLE, 10, 10, 50, 50, nullptr,
                                    nullptr, nullptr, nullptr));
  }
  void TearDown() override {
    for (HWND w : qvx_test::FakeBrowsersAt(launchUrl)) PostMessageW(w, WM_CLOSE, 0, 0);
    if (app.Proc().IsRunning()) app.Exit();
  }

  HWND Open(const std::wstring& args) {
    opened.push_back(qvx_test::FakeBrowser::Open(args));
    return opened.back().frame;
  }
  std::size_t Launched() { return qvx_test::FakeBrowsersAt(launchUrl).size(); }
  // The user works in another program's window (new browser windows may still take the front).
  void WorkElsewhere() {
    ASSERT_TRUE(WaitFor([&] {
      SetForegroundWindow(elsewhere.Get());
      return StaysFalse([&] { return GetForegroundWindow() != elsewhere.Get(); }, Millis(600));
    })) << "the foreground would not stay with another program's window";
  }
  // Presses the toggle hotkey and waits for the expected window to come to the front and stay.
  void ToggleExpecting(HWND expected, Millis within = kDefaultWait) {
    PressChord({VK_CONTROL, VK_MENU, kToggleKey});
    ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == expected; }, within))
        << "expected " << expected << ", in front " << GetForegroundWindow();
    EXPECT_TRUE(StaysFalse([&] { return GetForegroundWindow() != expected; }, Millis(600))) << "the foreground moved on";
  }
  // In the toggle's order: the handles' 32-bit values, compared signed.
  static std::vector<HWND> Ascending(std::vector<HWND> w) {
    std::sort(w.begin(), w.end(), [](HWND a, HWND b) { return qvx::ToWindowId(a) < qvx::ToWindowId(b); });
    return w;
  }
};

} // namespace e2e
