// Takes the README's pictures of the real programs under Wine: the About window, the tray
// menu, the information form, the settings dialog and the creator, as PNG files in
// %QVX_SCREENSHOT_DIR%. Run by scripts/screenshots.sh; not a test.
#include <windows.h>

#include <cstdio>

#include "driver/desktop.h"
#include "driver/fake_browser.h"
#include "driver/quorvex_app.h"
#include "creator_window_ids.h"
#include "information_form_ids.h"
#include "settings_dialog_ids.h"
#include "site_windows_ids.h"

using namespace e2e;
using namespace std::chrono_literals;

namespace {
constexpr wchar_t kIEMain[] = L"SOFTWARE\\Microsoft\\Internet Explorer\\Main";
int g_failures = 0;

void Take(const wchar_t* name, HWND window) {
  // The window reaches the X screen a moment after it is shown; its picture waits for that.
  if (window) SetForegroundWindow(window);
  if (!window || !Screenshot(ScreenshotPath(name), window)) {
    std::fprintf(stderr, "no picture of %ls\n", name);
    ++g_failures;
  }
}

// The shown window of the process, of the class, that is not `besides` (a dialog holds a
// button with the id once it is complete).
HWND OtherShownWindow(DWORD pid, HWND besides, const wchar_t* windowClass, int buttonId = 0) {
  HWND found = nullptr;
  WaitFor([&] {
    for (HWND w : TopLevelWindowsOf(pid, true)) {
      if (w != besides && ClassOf(w) == windowClass && (!buttonId || ChildById(w, buttonId))) found = w;
    }
    return found != nullptr;
  });
  return found;
}
} // namespace

int wmain() {
  TempDir dir;
  QuorvexApp app(dir.Path());
  app.Write(L"QuorvexSettings.txt", "QVX4\r\nEXAMPLE DOMAIN\r\nEXAMPLE.COM\r\nhttps://www.example.com/\r\nExample Site\r\n");
  app.Write(L"hotkeysetup.txt", "2\r\n76\r\n1\r\n6\r\n84\r\n0\r\n");
  const DWORD on = 1;  // so that the information form shows
  RegSetKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse", REG_DWORD, &on, sizeof on);
  app.Start();
  Take(L"information-form.png", OtherShownWindow(app.Pid(), nullptr, L"#32770", IDC_INFORMATION_TEXT));
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kIEMain, L"AllowWindowReuse");
  for (HWND w : TopLevelWindowsOf(app.Pid(), true)) PostMessageW(w, WM_CLOSE, 0, 0);
  app.WaitUntilRunning();

  RightClick(TrayIcons().at(0));
  WaitFor([&] { return OpenMenuOf(app.Pid()) != nullptr; });
  Take(L"tray-menu.png", OpenMenuOf(app.Pid()));
  PressKey(VK_ESCAPE);

  app.Command(IDM_TRAY_ABOUT);
  const HWND about = WaitForTopLevel(app.Pid(), kMainWindowClass, L"Quorvex", true);
  Take(L"about.png", about);
  PostMessageW(ChildById(about, IDC_OPEN_SETTINGS), BM_CLICK, 0, 0);  // the dialog is modal: do not wait for it
  const HWND settings = OtherShownWindow(app.Pid(), about, L"#32770", IDC_DISABLE_ALL_HOTKEYS);
  Take(L"settings-dialog.png", settings);
  PostMessageW(settings, WM_CLOSE, 0, 0);
  PostMessageW(about, WM_SYSCOMMAND, SC_CLOSE, 0);  // its close box: back to the tray
  app.WaitUntilInTray();

  // Site Windows over three browsers: one window of the site, one at another address, and an
  // application built on Chromium.
  using qvx_test::FakeBrowser;
  const FakeBrowser browsers[] = {
      FakeBrowser::Open(L"--style chromium-2024 --title \"Example Domain - Google Chrome\" example.com/"),
      FakeBrowser::Open(L"--style firefox-2026 --title \"Example Domain \u2014 Mozilla Firefox\" example.org/"),
      FakeBrowser::Open(L"--style electron --title \"Example Domain Notes\" x")};
  app.Command(IDM_TRAY_SITE_WINDOWS);
  const HWND siteWindows = WaitForTopLevel(app.Pid(), L"#32770", L"Quorvex Site Windows", true);
  SetWindowPos(siteWindows, nullptr, 0, 0, 900, 380, SWP_NOMOVE | SWP_NOZORDER);
  WaitFor([&] {  // every row read: the report no longer says "Reading..."
    PostMessageW(ChildById(siteWindows, IDC_SITE_COPY_REPORT), BM_CLICK, 0, 0);
    return StaysFalse([] { return ClipboardText().find(L"Reading...") != std::wstring::npos || ClipboardText().empty(); }, 300ms);
  });
  Take(L"site-windows.png", siteWindows);
  PostMessageW(siteWindows, WM_CLOSE, 0, 0);

  CopyInto(BinFile(L"QVXMulti.exe"), dir.Path());
  Process creator = Process::Start(dir.File(L"QVXMulti.exe"), L"", dir.Path());
  Take(L"creator.png", OtherShownWindow(creator.Id(), nullptr, QVX_CREATOR_WINDOW_CLASS));
  return g_failures;
}
