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
  for (HWND w = FindWindowExW(nullptr, nullptr, L"IEFrame", nullptr); w;
       w = FindWindowExW(nullptr, w, L"IEFrame", nullptr)) {
    if (qvx::ReadAddressBar(w) == url) found.push_back(w);
  }
  return found;
}

namespace {
bool RunningUnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

std::optional<std::wstring> ReadDefault(HKEY root, const std::wstring& key) {
  wchar_t value[4096];
  DWORD size = sizeof value;
  if (RegGetValueW(root, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(value);
}

bool WriteDefault(HKEY root, const std::wstring& key, const std::wstring& value) {
  HKEY k = nullptr;
  if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr) != ERROR_SUCCESS) {
    return false;
  }
  const LONG r = RegSetValueExW(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}
} // namespace

BrowserHandlerRegistration::BrowserHandlerRegistration() {
  const std::wstring command = Quoted(e2e::BinFile(L"fake_browser.exe")) + L" \"%1\"";
  std::vector<HKEY> roots{HKEY_CURRENT_USER};
  if (RunningUnderWine()) roots.push_back(HKEY_LOCAL_MACHINE);
  for (HKEY root : roots) {
    for (const wchar_t* scheme : {L"http", L"https"}) {
      const std::wstring key = std::wstring(L"Software\\Classes\\") + scheme + L"\\shell\\open\\command";
      const auto previous = ReadDefault(root, key);
      saved_.push_back({root, key, previous.has_value(), previous.value_or(L"")});
      ok_ = WriteDefault(root, key, command) && ok_;
    }
  }
}

BrowserHandlerRegistration::~BrowserHandlerRegistration() {
  for (const Saved& s : saved_) {
    if (s.existed) {
      WriteDefault(s.root, s.key, s.value);
    } else {
      RegDeleteKeyValueW(s.root, s.key.c_str(), nullptr);
    }
  }
}

} // namespace qvx_test
