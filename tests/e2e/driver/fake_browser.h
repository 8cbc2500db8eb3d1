#pragma once
// The fake browser fixture (browser windows in processes of their own) as the tests use it.
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

namespace qvx_test {

// One fake browser process; it ends with this object.
struct FakeBrowser {
  e2e::Process process;
  HWND frame = nullptr;

  // Starts fake_browser.exe with the arguments and waits for its (first) frame; null if none.
  static FakeBrowser Open(const std::wstring& args);
};

std::wstring Quoted(const std::wstring& text);
std::wstring UniqueToken();  // a text no other test or window uses
// The fake browser's Internet Explorer-style frames now open at exactly this address.
std::vector<HWND> FakeBrowsersAt(const std::wstring& url);

} // namespace qvx_test
