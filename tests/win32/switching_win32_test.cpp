// The window walk, the fetch, the toggle and the launch against fake browser windows that live
// in processes of their own.
#include <gtest/gtest.h>

#include <algorithm>
#include <cwctype>

#include "driver/fake_browser.h"
#include "main/switching/fetch_window_win32.h"
#include "main/switching/switching_win32.h"
#include "main/switching/window_walk_win32.h"

using namespace qvx;
using namespace qvx_test;
using namespace std::chrono_literals;

namespace {
std::wstring Lower(std::wstring text) {
  for (auto& c : text) c = static_cast<wchar_t>(towlower(c));
  return text;
}

std::vector<WindowId> Ids(std::vector<HWND> windows) {
  std::vector<WindowId> ids;
  for (HWND w : windows) ids.push_back(ToWindowId(w));
  std::sort(ids.begin(), ids.end());
  return ids;
}

bool Listed(const std::vector<WindowId>& list, HWND window) {
  return std::find(list.begin(), list.end(), ToWindowId(window)) != list.end();
}

bool BecomesForeground(HWND window) {
  return e2e::WaitFor([&] { return GetForegroundWindow() == window; }, 5s);
}
} // namespace

TEST(WindowWalk, ListsOnlyVisibleOwnerlessTitledFramesWhoseAddressHoldsTheKeyword) {
  // The keywords are stored upper-cased; titles and addresses are written in lower case here,
  // so every match also proves that only the searched texts are upper-cased.
  const std::wstring token = UniqueToken();
  const std::wstring url = L"https://" + Lower(token) + L".example/home";
  const std::wstring site = Quoted(L"portal " + Lower(token)) + L" " + Quoted(url);
  const std::wstring keyword = token, urlKeyword = token + L".EXAMPLE";

  FakeBrowser first = FakeBrowser::Open(L"--title " + site);
  FakeBrowser second = FakeBrowser::Open(L"--title " + site);
  FakeBrowser longerClass = FakeBrowser::Open(L"--class MyIEFrameHost --title " + site, L"MyIEFrameHost");
  FakeBrowser otherTitle = FakeBrowser::Open(L"--title News " + Quoted(url));
  FakeBrowser otherSite = FakeBrowser::Open(L"--title " + Quoted(L"portal " + token) + L" https://other.example/");
  FakeBrowser hidden = FakeBrowser::Open(L"--hidden --title " + site);
  FakeBrowser owned = FakeBrowser::Open(L"--owned --title " + site);
  FakeBrowser otherClass = FakeBrowser::Open(L"--class FakeFrame --title " + site, L"FakeFrame");
  FakeBrowser untitled = FakeBrowser::Open(L"--title \"\" " + Quoted(url));
  FakeBrowser emptyAddress = FakeBrowser::Open(L"--title " + Quoted(L"portal " + token) + L" \"\"");
  std::vector<FakeBrowser> missingLink;
  for (const wchar_t* link : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32", L"ComboBox", L"Edit"}) {
    missingLink.push_back(FakeBrowser::Open(std::wstring(L"--missing ") + link + L" --title " + site));
  }
  for (FakeBrowser* b : {&first, &second, &longerClass, &otherTitle, &otherSite, &hidden, &owned, &otherClass,
                         &untitled, &emptyAddress}) {
    ASSERT_NE(b->frame, nullptr);
  }
  for (auto& b : missingLink) ASSERT_NE(b.frame, nullptr);

  // The address is read across the process boundary, and only through the whole chain.
  EXPECT_EQ(GetTheURL(first.frame), url);
  EXPECT_EQ(GetTheURL(emptyAddress.frame), L"");
  for (auto& b : missingLink) EXPECT_EQ(GetTheURL(b.frame), L"") << "chain with a missing link";

  const std::vector<WindowId> List1 = LoadOpenApps(keyword, urlKeyword);
  EXPECT_EQ(List1, Ids({first.frame, second.frame, longerClass.frame}));

  // Empty keywords accept any titled frame with an address, and still nothing else.
  const std::vector<WindowId> all = LoadOpenApps(L"", L"");
  EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
  for (HWND w : {first.frame, second.frame, longerClass.frame, otherTitle.frame, otherSite.frame}) {
    EXPECT_TRUE(Listed(all, w));
  }
  for (HWND w : {hidden.frame, owned.frame, otherClass.frame, untitled.frame, emptyAddress.frame}) {
    EXPECT_FALSE(Listed(all, w));
  }
  for (auto& b : missingLink) EXPECT_FALSE(Listed(all, b.frame));

  // An address that changes is read anew by the next walk.
  HWND edit = FindWindowExW(FindWindowExW(FindWindowExW(FindWindowExW(FindWindowExW(second.frame, nullptr, L"WorkerW",
      nullptr), nullptr, L"ReBarWindow32", nullptr), nullptr, L"ComboBoxEx32", nullptr), nullptr, L"ComboBox",
      nullptr), nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"https://elsewhere.example/"));
  EXPECT_EQ(LoadOpenApps(keyword, urlKeyword), Ids({first.frame, longerClass.frame}));
}

TEST(WindowWalk, TitleIsSearchedOnlyInItsFirst149Characters) {
  const std::wstring token = UniqueToken();
  const std::wstring url = Quoted(L"http://" + token + L".example/");
  FakeBrowser fits = FakeBrowser::Open(L"--title " + Quoted(std::wstring(149 - token.size(), L'a') + token) + L" " + url);
  FakeBrowser beyond =
      FakeBrowser::Open(L"--title " + Quoted(std::wstring(150 - token.size(), L'a') + token) + L" " + url);
  ASSERT_NE(fits.frame, nullptr);
  ASSERT_NE(beyond.frame, nullptr);
  EXPECT_EQ(LoadOpenApps(token, token), Ids({fits.frame}));
}

TEST(FetchTheWindow, MinimisedComesBackZoomedNormalKeepsItsPlaceHiddenAndClosedAreLeftAlone) {
  const std::wstring url = L"http://" + UniqueToken() + L".example/";
  FakeBrowser minimised = FakeBrowser::Open(L"--minimized " + url);
  FakeBrowser normal = FakeBrowser::Open(url);
  FakeBrowser hidden = FakeBrowser::Open(L"--hidden " + url);
  FakeBrowser closed = FakeBrowser::Open(url);
  ASSERT_TRUE(minimised.frame && normal.frame && hidden.frame && closed.frame);
  ASSERT_TRUE(e2e::WaitFor([&] { return IsIconic(minimised.frame) != FALSE; }));

  EXPECT_NE(FetchTheWindow(minimised.frame), 0);
  EXPECT_TRUE(e2e::WaitFor([&] { return IsZoomed(minimised.frame) && !IsIconic(minimised.frame); }));
  EXPECT_TRUE(BecomesForeground(minimised.frame));

  SetWindowPos(normal.frame, nullptr, 40, 50, 420, 310, SWP_NOZORDER | SWP_NOACTIVATE);
  RECT before{};
  ASSERT_TRUE(e2e::WaitFor([&] { GetWindowRect(normal.frame, &before); return before.left == 40; }));
  EXPECT_NE(FetchTheWindow(normal.frame), 0);
  EXPECT_TRUE(BecomesForeground(normal.frame));
  RECT after{};
  GetWindowRect(normal.frame, &after);
  EXPECT_TRUE(EqualRect(&before, &after));
  EXPECT_FALSE(IsZoomed(normal.frame));

  EXPECT_EQ(FetchTheWindow(hidden.frame), 0);
  EXPECT_TRUE(e2e::StaysFalse([&] { return IsWindowVisible(hidden.frame) != FALSE; }, 500ms));

  const HWND gone = closed.frame;
  closed.process.Kill();
  ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(gone); }));
  EXPECT_EQ(FetchTheWindow(gone), 0);
}

TEST(Toggle, WithNoSiteWindowLaunchesTheUrlAndTheNextToggleFindsTheNewWindow) {
  BrowserHandlerRegistration handler;
  ASSERT_TRUE(handler.Ok());
  const std::wstring token = UniqueToken();
  const std::wstring url = L"https://" + Lower(token) + L".example/start?page=1&view=full";
  ASSERT_TRUE(FakeBrowsersAt(url).empty());

  ResetToggleState();
  ToggleBetween(token, token, url);
  ASSERT_TRUE(e2e::WaitFor([&] { return !FakeBrowsersAt(url).empty(); }))
      << "no fake browser window opened at the Launch URL";
  const HWND launched = FakeBrowsersAt(url).front();
  EXPECT_EQ(LoadOpenApps(token, token), Ids({launched}));

  // Now a window matches: the next toggle brings it up instead of launching again.
  ShowWindow(launched, SW_MINIMIZE);
  ToggleBetween(token, token, url);
  EXPECT_TRUE(BecomesForeground(launched));
  EXPECT_TRUE(e2e::StaysFalse([&] { return FakeBrowsersAt(url).size() > 1; }, 2s));

  // The launch alone, as the "Launch New" hotkey does it: a second window at the same address.
  NewZOLTELaunch(url);
  EXPECT_TRUE(e2e::WaitFor([&] { return FakeBrowsersAt(url).size() == 2; }));
  for (HWND w : FakeBrowsersAt(url)) PostMessageW(w, WM_CLOSE, 0, 0);
  EXPECT_TRUE(e2e::WaitFor([&] { return FakeBrowsersAt(url).empty(); }));
}

namespace {
// A browser frame of this test's own thread whose address field, when the walk reads it,
// sends a second toggle request, as a message handled during a call into another program would.
struct Reentry {
  static inline WNDPROC editProc = nullptr;
  static inline std::wstring token;
  static inline int reads = 0, depth = 0, maxDepth = 0;

  static LRESULT CALLBACK Edit(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_GETTEXT) return CallWindowProcW(editProc, hwnd, msg, wParam, lParam);
    ++reads;
    maxDepth = std::max(maxDepth, ++depth);
    if (reads == 1) ToggleBetween(token, token, L"http://unused.example/");
    const LRESULT r = CallWindowProcW(editProc, hwnd, msg, wParam, lParam);
    --depth;
    return r;
  }
};
} // namespace

TEST(Toggle, ARequestArrivingDuringAWalkIsServedAfterItNeverInsideIt) {
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  for (const wchar_t* name : {L"IEFrame", L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"}) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = instance;
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
  }
  Reentry::token = UniqueToken();
  const std::wstring url = L"http://" + Reentry::token + L".example/";
  HWND frame = CreateWindowExW(0, L"IEFrame", (L"portal " + Reentry::token).c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               0, 0, 300, 200, nullptr, nullptr, instance, nullptr);
  HWND link = frame;
  for (const wchar_t* name : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32"}) {
    link = CreateWindowExW(0, name, nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 300, 30, link, nullptr, instance, nullptr);
  }
  HWND combo = CreateWindowExW(0, L"ComboBox", nullptr, WS_CHILD | WS_VISIBLE | CBS_DROPDOWN, 0, 0, 300, 100, link,
                               nullptr, instance, nullptr);
  SetWindowTextW(combo, url.c_str());
  HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  Reentry::editProc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Reentry::Edit)));

  ResetToggleState();
  ToggleBetween(Reentry::token, Reentry::token, L"http://unused.example/");
  EXPECT_EQ(Reentry::reads, 2) << "the second request was not served";
  EXPECT_EQ(Reentry::maxDepth, 1) << "a walk ran inside another";
  DestroyWindow(frame);
}
