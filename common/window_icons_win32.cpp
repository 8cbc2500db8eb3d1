#include "common/window_icons_win32.h"

#include <utility>

namespace qvx {

HICON LoadIconSized(HINSTANCE instance, const std::wstring& name, int size) {
  return static_cast<HICON>(LoadImageW(instance, name.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool WindowIcons::Apply(HWND window, HINSTANCE instance, const std::wstring& name) {
  ScopedIcon big(LoadIconSized(instance, name, GetSystemMetrics(SM_CXICON)));
  ScopedIcon small(LoadIconSized(instance, name, GetSystemMetrics(SM_CXSMICON)));
  if (!big || !small) return false;
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
  big_ = std::move(big);  // the icons the window showed until now are freed here
  small_ = std::move(small);
  return true;
}

void RegisterDialogClass(HINSTANCE instance, const wchar_t* className) {
  RegisterWindowClass(instance, className, DefDlgProcW, DLGWINDOWEXTRA);
}

void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, int extraBytes) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = procedure;
  wc.cbWndExtra = extraBytes;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

} // namespace qvx
