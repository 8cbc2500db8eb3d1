#pragma once
// The programs' message loop, which gives every open modeless dialog its keyboard handling.
#include <windows.h>

namespace qvx {
void AddModelessDialog(HWND dialog);
void RemoveModelessDialog(HWND dialog);
// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();
} // namespace qvx
