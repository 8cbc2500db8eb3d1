#include "main/settings/information_form_setting_win32.h"

#include <windows.h>

#include "common/scoped_win32.h"

namespace qvx {

std::wstring ReadInformationFormSetting() {
  wchar_t buffer[256] = {};
  DWORD size = sizeof buffer;
  // RegGetValueW ends the text at its NUL; a longer or non-text value reads as none.
  if (RegGetValueW(HKEY_CURRENT_USER, kUserSettingsKey, kInformationFormSettingValue, RRF_RT_REG_SZ, nullptr, buffer, &size) !=
      ERROR_SUCCESS) {
    return {};
  }
  return buffer;
}

void SaveInformationFormSetting(const std::wstring& value) {
  ScopedKey key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kUserSettingsKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, key.Put(), nullptr) !=
      ERROR_SUCCESS) {
    return;
  }
  RegSetValueExW(key.Get(), kInformationFormSettingValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::wstring ReadInformationFormSettingAtStart() {
  std::wstring show = ReadInformationFormSetting();
  if (show.empty()) {
    SaveInformationFormSetting(L"Y");
    show = ReadInformationFormSetting();
  }
  return show;
}

} // namespace qvx
