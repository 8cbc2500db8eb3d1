#pragma once
// Whether the information form is shown at start-up: the per-user value "SplashShow" under
// HKEY_CURRENT_USER\Software\Quorvex\UserSettings, "Y" to show it, "N" once the user opted out.
#include <string>

namespace qvx {
inline constexpr wchar_t kUserSettingsKey[] = L"Software\\Quorvex\\UserSettings";
inline constexpr wchar_t kInformationFormSettingValue[] = L"SplashShow";

// The stored value, or the empty string when there is none (or it is not text).
std::wstring ReadInformationFormSetting();
void SaveInformationFormSetting(const std::wstring& value);

// The value at start-up: an empty or missing value is stored as "Y" and read again.
std::wstring ReadInformationFormSettingAtStart();
} // namespace qvx
