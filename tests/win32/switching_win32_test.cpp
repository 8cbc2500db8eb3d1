// The window walk, the address reads and bringing a window forward, against fake browser
// windows that live in processes of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>

#include "common/scoped_win32.h"
#include "driver/fake_browser.h"
#include "main/switching/accessible_address_win32.h"
#include "main/switching/bring_forward_win32.h"
#include "main/switching/window_walk_win32.h"

using namespace qvx;
using namespace qvx_test;
using namespace std::chrono_literals;
using Outcome = AddressRead::Outcome;


TEST(WindowWalk, FindsVisibleOwnerlessBrowserWindowsWithTheTitleAndReadsTheAddressBarChain) {
  const std::wstring token = UniqueToken();
  const std::wstring site = Quoted(L"portal " + token) + L" https://" + token + L".example/";
  FakeBrowser ie = FakeBrowser::Open(L"--title " + site);
  FakeBrowser chromium = FakeBrowser::Open(L"--style chromium --title " + site);
  FakeBrowser firefox = FakeBrowser::Open(L"--style firefox --title " + site);
  std::vector<FakeBrowser> never;
  for (const wchar_t* options : {L"--hidden", L"--owned", L"--class FakeFrame"}) {
    never.push_back(FakeBrowser::Open(std::wstring(options) + L" --title " + site));
  }
  never.push_back(FakeBrowser::Open(L"--style chromium --title News https://" + token + L".example/"));
  std::vector<WindowId> found, expected;
  for (const Candidate& c : FindCandidatesOnScreen(token).candidates) found.push_back(c.window);
  for (HWND w : {ie.frame, chromium.frame, firefox.frame}) expected.push_back(ToWindowId(w));
  std::sort(found.begin(), found.end());
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(found, expected);

  EXPECT_EQ(ReadAddressBar(ie.frame), L"https://" + token + L".example/");
  for (const wchar_t* link : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32", L"ComboBox", L"Edit"}) {
    FakeBrowser broken = FakeBrowser::Open(std::wstring(L"--missing ") + link + L" https://x.example/");
    ASSERT_NE(broken.frame, nullptr);
    EXPECT_EQ(ReadAddressBar(broken.frame), L"") << "chain without " << link;
  }
}

namespace {
FieldSearch Read(HWND window, const FieldPath& remembered = {}, bool stopped = false) {
  const ScopedComInit com(COINIT_MULTITHREADED);
  const std::atomic<bool> stop{stopped};
  return ReadAccessibleAddress(window, remembered, {GetTickCount64() + 5000, &stop});
}
} // namespace

TEST(AccessibleAddress, ReadAcrossTheProcessBoundary) {
  const std::pair<const wchar_t*, Outcome> cases[] = {
      {L"--style chromium", Outcome::Address},
      {L"--style firefox", Outcome::Address},
      {L"--style chromium --zero-first", Outcome::Address},
      {L"--style firefox --depth 14", Outcome::Address},  // the field 16 levels down
      {L"--style chromium --depth 14", Outcome::Unreadable},  // 17 levels down: cut short
      {L"--style electron", Outcome::NoAddressField},
      {L"--style chromium --hang", Outcome::Unreadable},
      {L"--style ie", Outcome::Unreadable},  // no accessible object
  };
  for (const auto& [options, outcome] : cases) {
    FakeBrowser window = FakeBrowser::Open(std::wstring(options) + L" https://www.example.com/a");
    ASSERT_NE(window.frame, nullptr) << options;
    const FieldSearch search = Read(window.frame);
    EXPECT_EQ(search.read.outcome, outcome) << options;
    EXPECT_EQ(search.read.address, outcome == Outcome::Address ? L"https://www.example.com/a" : L"") << options;
    if (outcome != Outcome::Address) continue;
    // The path found leads a second read straight to the field; a stopped read asks nothing.
    const FieldSearch again = Read(window.frame, search.path);
    EXPECT_TRUE(again.byRememberedPath) << options;
    EXPECT_EQ(again.read.address, search.read.address) << options;
    EXPECT_EQ(Read(window.frame, search.path, true).read.outcome, Outcome::Unreadable) << options;
  }
}

TEST(BringWindowForward, NormalKeepsItsPlaceHiddenAndClosedAreLeftAlone) {
  FakeBrowser normal = FakeBrowser::Open(L"x");
  FakeBrowser hidden = FakeBrowser::Open(L"--hidden x");
  FakeBrowser closed = FakeBrowser::Open(L"x");
  for (FakeBrowser* b : {&normal, &hidden, &closed}) b->process.WaitForInputIdle();
  SetWindowPos(normal.frame, nullptr, 40, 50, 420, 310, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT before{}, after{};
  ASSERT_TRUE(e2e::WaitFor([&] { return GetWindowRect(normal.frame, &before) && before.left == 40; }));
  SetForegroundWindow(closed.frame);
  ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == closed.frame; }));
  EXPECT_TRUE(BringWindowForward(normal.frame));
  EXPECT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == normal.frame; }));
  GetWindowRect(normal.frame, &after);
  EXPECT_TRUE(EqualRect(&before, &after) && !IsZoomed(normal.frame));

  EXPECT_FALSE(BringWindowForward(hidden.frame));
  EXPECT_TRUE(e2e::StaysFalse([&] { return IsWindowVisible(hidden.frame) != FALSE; }, 500ms));
  const HWND gone = closed.frame;
  closed.process.Kill();
  ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(gone); }));
  EXPECT_FALSE(BringWindowForward(gone));
}
