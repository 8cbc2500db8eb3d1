#pragma once
// Message boxes with the programs' fixed texts, titles and flags.
#include <windows.h>

#include <string>

namespace qvx {
// A modal message box; returns the button pressed (IDOK, IDYES, ...).
int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags);
} // namespace qvx
