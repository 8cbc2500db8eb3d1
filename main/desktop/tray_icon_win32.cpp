#include "main/desktop/tray_icon_win32.h"

#include <windowsx.h>

#include "common/window_icons_win32.h"
#include "main/desktop/desktop_texts.h"

namespace qvx {

namespace {
// The icon's identifier: the module instance handle, as the shell's 32-bit id.
UINT IconId(HINSTANCE instance) { return static_cast<UINT>(reinterpret_cast<UINT_PTR>(instance)); }
} // namespace

TrayIcon::Request TrayIcon::Decode(WPARAM wParam, LPARAM lParam, POINT* at) const {
  // Version 4: the event in the low word, the icon's id (its low 16 bits) in the high word,
  // the anchor point in wParam.
  if (!wanted_ || HIWORD(lParam) != LOWORD(data_.uID)) return Request::None;
  switch (LOWORD(lParam)) {
    case NIN_SELECT:
    case NIN_KEYSELECT:
      return Request::Toggle;
    case WM_CONTEXTMENU:
      *at = POINT{GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
      return Request::Menu;
  }
  return Request::None;
}

bool TrayIcon::Add(HWND owner, HINSTANCE instance, const std::wstring& iconName, const std::wstring& tip) {
  Remove();
  instance_ = instance;
  iconName_ = iconName;
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = sizeof data_;
  data_.hWnd = owner;
  data_.uID = IconId(instance);
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = kTrayCallbackMessage;
  lstrcpynW(data_.szTip, tip.c_str(), static_cast<int>(kTrayTipField));
  ReloadImage();
  wanted_ = true;
  return AddToShell();  // Remove() above took out any entry of ours
}

bool TrayIcon::AddAgain() {
  if (!wanted_) return false;
  Shell_NotifyIconW(NIM_DELETE, &data_);  // a stale entry of ours would refuse the add
  return AddToShell();
}

bool TrayIcon::AddToShell() {
  if (!Shell_NotifyIconW(NIM_ADD, &data_)) return false;
  NOTIFYICONDATAW version = data_;
  version.uVersion = NOTIFYICON_VERSION_4;
  Shell_NotifyIconW(NIM_SETVERSION, &version);
  return true;
}

void TrayIcon::ReloadImage() {
  ScopedIcon image(LoadIconSized(instance_, iconName_, GetSystemMetrics(SM_CXSMICON)));
  if (!image) return;
  data_.hIcon = image.Get();
  if (wanted_) {
    NOTIFYICONDATAW change = data_;
    change.uFlags = NIF_ICON;
    Shell_NotifyIconW(NIM_MODIFY, &change);
  }
  image_ = std::move(image);  // the shell keeps its own copy; the old one goes now
}

void AnimateToTray(HWND window) {
  HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
  HWND area = taskbar ? FindWindowExW(taskbar, nullptr, L"TrayNotifyWnd", nullptr) : nullptr;
  if (!area) return;
  RECT from{}, to{};
  GetWindowRect(window, &from);
  GetWindowRect(area, &to);
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void TrayIcon::Remove() {
  if (!wanted_) return;
  wanted_ = false;
  Shell_NotifyIconW(NIM_DELETE, &data_);
}

} // namespace qvx
