#pragma once
// The fake browser fixture as the tests use it: browser windows in processes of their own. The
// test bed (scripts/wine-testbed.sh --browser) registers it as the handler of http and https.
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"

namespace qvx_test {

// One fake browser process; it ends with this object.
struct FakeBrowser {
  e2e::Process process;
  HWND frame = nullptr;

  // Starts fake_browser.exe with the arguments (see the fixture) and waits for its (first) frame,
  // of the class that its --class or --style gives; empty frame when none appeared.
  static FakeBrowser Open(const std::wstring& args);
};

std::wstring Quoted(const std::wstring& text);
// A text no other test or window uses, for keywords and addresses.
std::wstring UniqueToken();
// The fake browser's Internet Explorer-style frames now open at exactly this address.
std::vector<HWND> FakeBrowsersAt(const std::wstring& url);

} // namespace qvx_test
