#pragma once
// The window walk over the windows on the screen, and the browser's address bar.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

WindowId ToWindowId(HWND window);
HWND ToHwnd(WindowId window);

// Visible and without an owner window (the owner is asked only for visible windows).
bool IsTopLevelWindow(HWND HwndEval);

// The text of the browser frame's address bar, reached through the exact child chain
// "WorkerW" > "ReBarWindow32" > "ComboBoxEx32" > "ComboBox" > "Edit"; empty when a link is
// missing, the bar is empty or the browser does not answer in time.
std::wstring GetTheURL(HWND WinHandle);

// List1: the site's browser windows open now, in ascending order of their handles.
std::vector<WindowId> LoadOpenApps(std::wstring_view browserTextKeyword, std::wstring_view urlKeyword);

} // namespace qvx
