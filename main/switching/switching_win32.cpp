#include "main/switching/switching_win32.h"

#include <windows.h>
#include <objbase.h>
#include <shellapi.h>

#include <thread>

#include "main/startup/form1_win32.h"

namespace qvx {

namespace {
HWND g_lastForeground = nullptr;
} // namespace

void ResetToggleState() { g_lastForeground = nullptr; }

void RecordForegroundWindow() {
  if (HWND h = GetForegroundWindow()) g_lastForeground = h;
}

void ToggleBrowserWindows(Form1&) {
  // The window walk and the toggle choice attach here.
}

void NewZOLTELaunch(const std::wstring& launchUrl) {
  // The shell may take its time (a browser starting, a slow handler): open on a thread of
  // its own so that the tray and the hotkeys stay responsive.
  std::thread([url = launchUrl] {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    ShellExecuteW(nullptr, L"open", url.c_str(), L"", L"", SW_SHOWNORMAL);
    CoUninitialize();
  }).detach();
}

} // namespace qvx
