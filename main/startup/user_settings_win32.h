#pragma once
// The per-user setting "SplashShow", kept under
// HKEY_CURRENT_USER\Software\Quorvex\UserSettings as a string value.
#include <string>

namespace qvx {
inline constexpr wchar_t kUserSettingsKey[] = L"Software\\Quorvex\\UserSettings";
inline constexpr wchar_t kSplashShowValue[] = L"SplashShow";

// The stored value, or the empty string when there is none (or it is not text).
std::wstring GetSplashShow();
void SaveSplashShow(const std::wstring& value);

// The value at start-up: an empty or missing value is stored as "Y" and read again.
std::wstring ReadSplashShowAtStart();
} // namespace qvx
