#include "common/dialog_win32.h"

namespace qvx {

INT_PTR CALLBACK DialogWindow::Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    reinterpret_cast<DialogWindow*>(lParam)->hwnd_ = hwnd;
  }
  auto* self = reinterpret_cast<DialogWindow*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  if (!self) return FALSE;  // messages that come before WM_INITDIALOG (WM_SETFONT)
  const INT_PTR handled = self->HandleMessage(msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, DWLP_USER, 0);
    self->hwnd_ = nullptr;
  }
  return handled;
}

INT_PTR DialogWindow::Answer(LRESULT result) const {
  SetWindowLongPtrW(hwnd_, DWLP_MSGRESULT, result);
  return TRUE;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

void CentreOnMonitor(HWND window, HWND reference) {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  if (!GetMonitorInfoW(MonitorFromWindow(reference ? reference : window, MONITOR_DEFAULTTONEAREST), &monitor)) return;
  RECT rect{};
  GetWindowRect(window, &rect);
  const RECT& area = monitor.rcMonitor;
  const int left = area.left + ((area.right - area.left) - (rect.right - rect.left)) / 2;
  const int top = area.top + ((area.bottom - area.top) - (rect.bottom - rect.top)) / 2;
  SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace qvx
