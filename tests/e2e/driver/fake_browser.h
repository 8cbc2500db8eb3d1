#pragma once
// The fake browser fixture as the tests use it: frame windows in processes of their own, and its
// registration as the handler of http and https URLs.
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver.h"

namespace qvx_test {

// One fake browser window; its process ends with this object.
struct FakeBrowser {
  e2e::Process process;
  HWND frame = nullptr;

  // Starts fake_browser.exe with the arguments (see the fixture) and waits for its (first) frame,
  // of the class that its --class or --style gives; empty frame when none appeared.
  static FakeBrowser Open(const std::wstring& args);
};

// Quotes one command-line argument.
std::wstring Quoted(const std::wstring& text);

// A text no other test or window uses, for keywords and addresses.
std::wstring UniqueToken();

// The fake browser's frame windows now open at exactly this address.
std::vector<HWND> FakeBrowsersAt(const std::wstring& url);

// While it lives, the shell opens http and https URLs with fake_browser.exe. The previous
// handlers come back when it ends. Wine 8 takes URL handlers from the machine's classes only,
// so under Wine (a test prefix) the machine's entry is set as well as the user's.
class BrowserHandlerRegistration {
 public:
  BrowserHandlerRegistration();
  ~BrowserHandlerRegistration();
  BrowserHandlerRegistration(const BrowserHandlerRegistration&) = delete;
  BrowserHandlerRegistration& operator=(const BrowserHandlerRegistration&) = delete;
  bool Ok() const { return ok_; }

 private:
  struct Saved {
    HKEY root;
    std::wstring key;
    bool existed;
    std::wstring value;
  };
  std::vector<Saved> saved_;
  bool ok_ = true;
};

} // namespace qvx_test
