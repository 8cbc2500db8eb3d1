#pragma once
// The window walk over the windows on the screen, and Internet Explorer's address bar.
#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

WindowId ToWindowId(HWND window);
HWND ToHwnd(WindowId window);

// Visible and without an owner window (the owner is asked only for visible windows).
bool IsVisibleWithoutOwner(HWND window);

// The browser windows on the screen now whose title holds the keyword, and the processes of
// all browser windows. Only cheap queries that never wait for another program: nothing is sent
// to the windows.
BrowserWindows FindCandidatesOnScreen(std::wstring_view browserTextKeyword);
// The browser windows on the screen now, in Z order.
std::vector<BrowserWindow> BrowserWindowsOnScreen();

// The text of Internet Explorer's address bar, reached through the exact child chain
// "WorkerW" > "ReBarWindow32" > "ComboBoxEx32" > "ComboBox" > "Edit"; empty when a link is
// missing, the bar is empty or the browser does not answer in time.
std::wstring ReadAddressBar(HWND frame);

} // namespace qvx
