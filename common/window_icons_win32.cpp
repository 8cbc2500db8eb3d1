#include "common/window_icons_win32.h"

namespace qvx {

HICON LoadIconSized(HINSTANCE instance, const std::wstring& name, int size) {
  return static_cast<HICON>(LoadImageW(instance, name.c_str(), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool WindowIcons::Apply(HWND window, HINSTANCE instance, const std::wstring& name) {
  HICON big = LoadIconSized(instance, name, GetSystemMetrics(SM_CXICON));
  HICON small = LoadIconSized(instance, name, GetSystemMetrics(SM_CXSMICON));
  if (!big || !small) {
    if (big) DestroyIcon(big);
    if (small) DestroyIcon(small);
    return false;
  }
  SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big));
  SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small));
  Release();
  big_ = big;
  small_ = small;
  return true;
}

void WindowIcons::Release() {
  if (big_) DestroyIcon(big_);
  if (small_) DestroyIcon(small_);
  big_ = small_ = nullptr;
}

void RegisterDialogClass(HINSTANCE instance, const wchar_t* className) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = DefDlgProcW;
  wc.cbWndExtra = DLGWINDOWEXTRA;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = className;
  RegisterClassExW(&wc);
}

} // namespace qvx
