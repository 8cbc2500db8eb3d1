#pragma once
// The program's icon in the notification area, version 4 of the shell's protocol: a click or
// Enter/Space on the icon arrives as NIN_SELECT/NIN_KEYSELECT, a right click, Shift+F10 or the
// menu key as WM_CONTEXTMENU with the point to open the menu at.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/scoped_win32.h"
#include "main/desktop/desktop_texts.h"

namespace qvx {

class TrayIcon {
 public:
  // What a callback of the icon asks for.
  enum class Request { None, Toggle, Menu };
  // Reads a callback message's parameters; the menu point (screen coordinates) goes to *at.
  Request Decode(WPARAM wParam, LPARAM lParam, POINT* at) const;

  // Adds the icon with the named icon group (at the small-icon size) and the tip. Adding it
  // again replaces it: one icon, whatever came before. False when the shell refused it (no
  // notification area yet).
  bool Add(HWND owner, HINSTANCE instance, const std::wstring& iconName, const std::wstring& tip);
  // Adds the icon as last described again (Explorer restarted, or a retry).
  bool AddAgain();
  // Reloads the image at the small-icon size for the current DPI.
  void ReloadImage();
  // Deletes the icon; harmless when it is not there.
  void Remove();
  bool Wanted() const { return wanted_; }

 private:
  // NIM_ADD, then the version-4 callbacks.
  bool AddToShell();
  NOTIFYICONDATAW data_{};
  HINSTANCE instance_ = nullptr;
  std::wstring iconName_;
  ScopedIcon image_;
  bool wanted_ = false;  // between Add and Remove, whether or not the shell took it
};

// Draws the window's caption flying to the notification area; nothing where there is none
// to find (Wine's taskbar has no "TrayNotifyWnd").
void AnimateToTray(HWND window);

} // namespace qvx
