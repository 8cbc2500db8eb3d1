// The "Quorvex Site Windows" window, opened from the tray menu, over fake browser windows of
// every family in processes of their own.
#include "driver/site_scenario.h"
#include "site_windows_ids.h"

using namespace e2e;
using qvx_test::Quoted;

namespace {
constexpr wchar_t kTitle[] = L"Quorvex Site Windows";

class SiteWindows : public SiteScenario {
 protected:
  HWND OpenFromTrayMenu() {
    RightClick(TrayIcons().at(0));
    if (!WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; })) return nullptr;
    // "Site &Windows...", by its mnemonic, sent to the menu's own thread.
    PostMessageW(OpenMenuOf(app.Pid()), WM_CHAR, L'w', 0);
    return WaitForTopLevel(app.Pid(), L"#32770", kTitle, true);
  }
  // The report once every row is read, as Copy Report puts it on the clipboard.
  std::wstring ReadReport(HWND view) {
    std::wstring report;
    WaitFor([&] {
      OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
      SendMessageW(ChildById(view, IDC_SITE_COPY_REPORT), BM_CLICK, 0, 0);
      report = ClipboardText();
      return !report.empty() && report.find(L"Reading...") == std::wstring::npos;
    });
    return report;
  }
};

// The verdict the report gives the window whose title holds `title`.
std::wstring VerdictFor(const std::wstring& report, const std::wstring& title) {
  const auto at = report.find(L"  Title: " + title);
  if (at == std::wstring::npos) return L"(not listed)";
  const auto counts = report.find(L"  Counts: ", at) + 10;
  return report.substr(counts, report.find(L"\r\n", counts) - counts);
}
} // namespace

TEST_F(SiteWindows, TheReportJudgesEveryBrowserWindowAsTheNextPressesCycle) {
  const std::wstring site = L" https://" + keyword + L".test/page";
  const HWND ie = Open(L"--title " + Quoted(keyword + L" ie") + site);
  const HWND chrome = Open(L"--style chromium-2024 --tabs 20 --title " + Quoted(keyword + L" chrome") + site);
  Open(L"--style firefox-2026 --title " + Quoted(keyword + L" elsewhere") + L" https://other.test/");
  Open(L"--style electron --title " + Quoted(keyword + L" app") + L" x");
  const HWND hung = Open(L"--style chromium --hang --title " + Quoted(keyword + L" hung") + site);
  Open(L"--style chromium --title " + Quoted(L"unrelated") + site);

  const HWND view = OpenFromTrayMenu();
  ASSERT_NE(view, nullptr) << "the tray menu item opened no window";
  const auto start = std::chrono::steady_clock::now();
  const std::wstring report = ReadReport(view);
  EXPECT_LT(std::chrono::steady_clock::now() - start, 4s) << "a hung browser held the rows up";
  EXPECT_EQ(VerdictFor(report, keyword + L" ie"), L"Yes");
  EXPECT_EQ(VerdictFor(report, keyword + L" chrome"), L"Yes");
  EXPECT_EQ(VerdictFor(report, keyword + L" elsewhere"), L"No: address lacks " + keyword);
  EXPECT_EQ(VerdictFor(report, keyword + L" app"), L"No: no address bar");
  EXPECT_EQ(VerdictFor(report, keyword + L" hung"), L"Yes: counted on its title: its address could not be read");
  EXPECT_NE(VerdictFor(report, L"unrelated").find(L"No: title lacks"), std::wstring::npos);
  EXPECT_NE(report.find(L"Found by: a full search"), std::wstring::npos) << report;
  // The window answers while a browser hangs, and a second request brings it forward.
  DWORD_PTR answer = 0;
  EXPECT_TRUE(SendMessageTimeoutW(view, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 500, &answer));
  SetForegroundWindow(elsewhere.Get());
  ASSERT_EQ(OpenFromTrayMenu(), view) << "a second window was opened";
  EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == view; }));

  // The windows said to count are those the presses cycle through, in ascending order.
  WorkElsewhere();
  for (HWND expected : Ascending({ie, chrome, hung})) {
    PressChord({VK_CONTROL, VK_MENU, kToggleKey});
    EXPECT_TRUE(WaitFor([&] { return GetForegroundWindow() == expected; })) << "expected " << expected;
  }
  // Escape closes it; the program then leaves from the tray.
  SetForegroundWindow(view);
  ASSERT_TRUE(WaitFor([&] { return GetForegroundWindow() == view; }));
  PostMessageW(view, WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_TRUE(WaitFor([&] { return !IsWindow(view); })) << "Escape did not close it";
  EXPECT_TRUE(app.Exit());
}
