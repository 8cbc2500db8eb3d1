#include "main/startup/user_settings_win32.h"

#include <windows.h>

#include <vector>

namespace qvx {

std::wstring GetSplashShow() {
  HKEY key = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kUserSettingsKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return {};
  std::wstring result;
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, kSplashShowValue, nullptr, &type, nullptr, &size) == ERROR_SUCCESS && type == REG_SZ &&
      size < 4096) {
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    if (RegQueryValueExW(key, kSplashShowValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) ==
        ERROR_SUCCESS) {
      result = buffer.data();  // stops at the first NUL
    }
  }
  RegCloseKey(key);
  return result;
}

void SaveSplashShow(const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key, kSplashShowValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(key);
}

std::wstring ReadSplashShowAtStart() {
  std::wstring show = GetSplashShow();
  if (show.empty()) {
    SaveSplashShow(L"Y");
    show = GetSplashShow();
  }
  return show;
}

} // namespace qvx
