#include "fake_browser.h"

#include "main/switching/window_walk_win32.h"

namespace qvx_test {

FakeBrowser FakeBrowser::Open(const std::wstring& args) {
  std::wstring frameClass = L"IEFrame";
  if (const auto given = args.find(L"--class "); given != std::wstring::npos) {
    frameClass = args.substr(given + 8, args.find(L' ', given + 8) - given - 8);
  } else if (args.find(L"--style firefox") != std::wstring::npos) {
    frameClass = L"MozillaWindowClass";
  } else if (args.find(L"--style chromium") != std::wstring::npos || args.find(L"--style electron") != std::wstring::npos) {
    frameClass = L"Chrome_WidgetWin_1";
  }
  FakeBrowser b;
  b.process = e2e::Process::Start(e2e::BinFile(L"fake_browser.exe"), args, e2e::BinDir());
  if (b.process.Started()) b.frame = e2e::WaitForTopLevel(b.process.Id(), frameClass);
  return b;
}

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

std::wstring UniqueToken() {
  static unsigned counter = 0;
  return L"QVXT" + std::to_wstring(GetCurrentProcessId()) + L"X" + std::to_wstring(++counter);
}

std::vector<HWND> FakeBrowsersAt(const std::wstring& url) {
  std::vector<HWND> found;
  for (HWND w = FindWindowExW(nullptr, nullptr, L"IEFrame", nullptr); w; w = FindWindowExW(nullptr, w, L"IEFrame", nullptr)) {
    if (qvx::ReadAddressBar(w) == url) found.push_back(w);
  }
  return found;
}

} // namespace qvx_test
