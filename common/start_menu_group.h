#pragma once
// The folder of the Start menu's Programs folder that holds the shortcuts of Quorvex and its
// instances.
namespace qvx {
inline constexpr wchar_t kStartMenuGroupName[] = L"Quorvex";
} // namespace qvx
