#include "main/switching/switching_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <system_error>
#include <thread>
#include <utility>

#include "main/switching/fetch_window_win32.h"
#include "main/switching/window_walk_win32.h"

namespace qvx {

namespace {
ToggleState g_toggle;
bool g_toggling = false;
int g_pendingToggles = 0;
} // namespace

void ResetToggleState() { g_toggle.Reset(); }

void RecordForegroundWindow() { g_toggle.RecordForeground(ToWindowId(GetForegroundWindow())); }

const ToggleState& CurrentToggleState() { return g_toggle; }

void ToggleBetween(const std::wstring& browserTextKeyword, const std::wstring& urlKeyword,
                   const std::wstring& launchUrl) {
  if (g_toggling) {
    ++g_pendingToggles;
    return;
  }
  g_toggling = true;
  // Copies: a request served later must not depend on what the caller's strings hold then.
  const std::wstring titleKeyword = browserTextKeyword, addressKeyword = urlKeyword, url = launchUrl;
  for (int requests = 1; requests > 0; requests += std::exchange(g_pendingToggles, 0)) {
    --requests;
    const std::vector<WindowId> List1 = LoadOpenApps(titleKeyword, addressKeyword);
    if (const auto Text1 = g_toggle.ToggleIt(List1)) {
      // A window closed since the walk is left alone quietly.
      FetchTheWindow(ToHwnd(*Text1));
    } else {
      NewZOLTELaunch(url);
    }
  }
  g_toggling = false;
}

void NewZOLTELaunch(const std::wstring& launchUrl) {
  // The shell may take its time (a browser starting, a slow handler): open on a thread of
  // its own so that the tray and the hotkeys stay responsive.
  // A launch that cannot start (no thread to be had) ends quietly, like one the shell rejects.
  try {
    std::thread([url = launchUrl] {
      const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
      ShellExecuteW(nullptr, L"open", url.c_str(), L"", L"", SW_SHOWNORMAL);
      if (SUCCEEDED(com)) CoUninitialize();
    }).detach();
  } catch (const std::system_error&) {
  }
}

} // namespace qvx
