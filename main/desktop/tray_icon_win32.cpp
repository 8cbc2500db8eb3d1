#include "main/desktop/tray_icon_win32.h"

#include "common/window_icons_win32.h"
#include "main/desktop/desktop_texts.h"

namespace qvx {

namespace {
// The icon's identifier: the module instance handle, as the shell's 32-bit id.
UINT IconId(HINSTANCE instance) { return static_cast<UINT>(reinterpret_cast<UINT_PTR>(instance)); }
} // namespace

TrayIcon::~TrayIcon() { Hide(); }

TrayCallback TrayIcon::Decode(WPARAM wParam, LPARAM lParam) const {
  if (!wanted_) return {};
  return DecodeTrayCallback(version4_, data_.uID, wParam, lParam);
}

void TrayIcon::Show(HWND owner, HINSTANCE instance, const std::wstring& iconName, const std::wstring& tip) {
  instance_ = instance;
  iconName_ = iconName;
  data_ = NOTIFYICONDATAW{};
  data_.cbSize = sizeof data_;
  data_.hWnd = owner;
  data_.uID = IconId(instance);
  data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  data_.uCallbackMessage = kTrayCallbackMessage;
  lstrcpynW(data_.szTip, tip.c_str(), static_cast<int>(kTrayTipField));
  LoadSmallImage();
  // An entry added before (or being added now) describes the old icon: it is replaced.
  if (inShell_ || busy_) stale_ = true;
  wanted_ = true;
  Sync();
}

void TrayIcon::Hide() {
  wanted_ = false;
  Sync();
}

void TrayIcon::ShowAgain() {
  if (!wanted_) return;
  // The entry went with the old taskbar; one that is still there would refuse the add.
  stale_ = true;
  Sync();
}

bool TrayIcon::LoadSmallImage() {
  ScopedIcon image(LoadIconSized(instance_, iconName_, GetSystemMetrics(SM_CXSMICON)));
  if (!image) return false;
  data_.hIcon = image.Get();
  image_ = std::move(image);  // the shell keeps its own copy of the one it shows
  return true;
}

void TrayIcon::ReloadImage() {
  if (!LoadSmallImage()) return;
  imageChanged_ = true;
  Sync();
}

void TrayIcon::AskForVersion4() {
  versionAsked_ = true;
  Sync();
}

void TrayIcon::Sync() {
  if (busy_) return;  // the call in flight looks again when it returns
  busy_ = true;
  for (;;) {
    NOTIFYICONDATAW data = data_;
    if ((inShell_ || stale_) && (!wanted_ || stale_)) {
      inShell_ = stale_ = false;
      Shell_NotifyIconW(NIM_DELETE, &data);
    } else if (wanted_ && !inShell_) {
      if (!Shell_NotifyIconW(NIM_ADD, &data)) break;  // no notification area yet: the owner retries
      inShell_ = versionPending_ = true;
      imageChanged_ = version4_ = false;
    } else if (wanted_ && versionPending_ && versionAsked_) {
      versionPending_ = false;
      // A shell that refuses version 4 sends the older callbacks, which Decode reads too.
      data.uVersion = NOTIFYICON_VERSION_4;
      version4_ = Shell_NotifyIconW(NIM_SETVERSION, &data) != FALSE;
    } else if (wanted_ && imageChanged_) {
      imageChanged_ = false;
      data.uFlags = NIF_ICON;
      Shell_NotifyIconW(NIM_MODIFY, &data);
    } else {
      break;
    }
  }
  busy_ = false;
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

} // namespace qvx
