// The tray: entering it, its window procedure with the clicks and the menu, the animation,
// and leaving it.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "form1_ids.h"
#include "main/desktop/desktop_state_win32.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/desktop_win32.h"
#include "main/startup/form1_win32.h"

namespace qvx {

namespace {
constexpr UINT_PTR kTrayRetryTimer = 2;
constexpr UINT kTrayRetryInterval = 2000;

void TrayAnimate(HWND hwnd) {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  if (!taskbar) return;
  HWND w = GetWindow(taskbar, GW_CHILD);
  wchar_t name[256];
  while (w) {
    GetClassNameW(w, name, 255);
    if (wcsstr(name, L"TrayNotifyWnd")) break;
    w = GetWindow(w, GW_HWNDNEXT);
  }
  if (!w) return;  // no notification area to fly to (Wine has none as a child)
  RECT from{}, to{};
  GetWindowRect(hwnd, &from);
  GetWindowRect(w, &to);
  DrawAnimatedRects(hwnd, IDANI_CAPTION, &from, &to);
}

void ShowTrayMenu(Form1& form) {
  HMENU menu = LoadMenuW(form.AppInstance(), MAKEINTRESOURCEW(IDR_mnuTrayOptions));
  if (!menu) return;
  POINT at{};
  GetCursorPos(&at);
  // Foreground first and WM_NULL after, or the menu would not close when the user clicks elsewhere.
  SetForegroundWindow(form.Handle());
  const UINT align = GetSystemMetrics(SM_MENUDROPALIGNMENT) ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  const UINT command = static_cast<UINT>(TrackPopupMenu(GetSubMenu(menu, 0), align | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                                        at.x, at.y, 0, form.Handle(), nullptr));
  PostMessageW(form.Handle(), WM_NULL, 0, 0);
  DestroyMenu(menu);
  switch (command) {
    case IDM_mnuZOLTEOpen: form.mnuZOLTEOpen_Click(); break;
    case IDM_mnuAbout: form.mnuAbout_Click(); break;
    case IDM_mnuExit: form.mnuExit_Click(); break;
    default: break;
  }
}

LRESULT CALLBACK TrayWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  DesktopState& d = Desktop();
  const WNDPROC next = d.PrevWndProcTray;  // the menu may take this procedure out of the chain
  if (msg == kTrayCallbackMessage && wParam == TrayIconId()) {
    Form1& form = Form1::Instance();
    switch (lParam) {
      case WM_LBUTTONDOWN:
      case WM_LBUTTONDBLCLK: form.Command1_Click(); break;
      case WM_RBUTTONDOWN: ShowTrayMenu(form); break;
      default: break;
    }
  } else if (msg == TaskbarCreatedMessage() && d.InTray) {
    d.IconShown = AddTrayIcon();  // Explorer restarted: our icon went with the old taskbar
  } else if (msg == WM_TIMER && wParam == kTrayRetryTimer) {
    if (!d.InTray || (d.IconShown = AddTrayIcon())) KillTimer(hwnd, kTrayRetryTimer);
    return 0;
  }
  return CallWindowProcW(next, hwnd, msg, wParam, lParam);
}
} // namespace

DesktopState& Desktop() {
  static DesktopState state;
  return state;
}

UINT TrayIconId() {
  return static_cast<UINT>(reinterpret_cast<UINT_PTR>(Desktop().AppInstanceHandle));
}

UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

bool AddTrayIcon() {
  DesktopState& d = Desktop();
  Shell_NotifyIconW(NIM_DELETE, &d.TrayIconData);  // a stale entry of ours would refuse the add
  return Shell_NotifyIconW(NIM_ADD, &d.TrayIconData) != FALSE;
}

void TrayEntry(Form1& form) {
  DesktopState& d = Desktop();
  d.MainWindowHandle = form.Handle();
  d.AppInstanceHandle = form.AppInstance();
  const std::wstring tip = TrayTipText(form.State().TrayTooltip);
  // A message sent to a window does not pass an inner procedure that was replaced, so the chain
  // is rebuilt only from the window's own procedure.
  if (!d.InTray) {
    d.PrevWndProcTray = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(d.MainWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TrayWindowProc)));
  }
  NOTIFYICONDATAW& data = d.TrayIconData;
  data = NOTIFYICONDATAW{};
  data.cbSize = sizeof data;
  data.hWnd = d.MainWindowHandle;
  data.uID = TrayIconId();
  data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data.uCallbackMessage = kTrayCallbackMessage;
  data.hIcon = form.CurrentIcon();
  lstrcpynW(data.szTip, tip.c_str(), static_cast<int>(kTrayTipField));
  d.InTray = true;
  d.IconShown = AddTrayIcon();
  // No notification area yet (the taskbar starts after us): keep trying until it is there.
  if (!d.IconShown) SetTimer(d.MainWindowHandle, kTrayRetryTimer, kTrayRetryInterval, nullptr);
  TrayAnimate(d.MainWindowHandle);
  ShowWindow(d.MainWindowHandle, SW_HIDE);
}

void RemoveFromTray(Form1&) {
  DesktopState& d = Desktop();
  if (!d.InTray) return;
  SetWindowLongPtrW(d.MainWindowHandle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(d.PrevWndProcTray));
  KillTimer(d.MainWindowHandle, kTrayRetryTimer);
  Shell_NotifyIconW(NIM_DELETE, &d.TrayIconData);
  d.InTray = false;
  d.IconShown = false;
}

} // namespace qvx
