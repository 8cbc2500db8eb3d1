#pragma once
// The program's icon in the notification area, with an owner that takes it out again.
//
// Shell_NotifyIconW blocks while the shell's process answers, and every message sent to the
// window meanwhile is handled inside it. So no call here starts while another is in flight: a
// request made from inside one only changes what is wanted, and the call in flight, once it
// returns, looks again and brings the shell to that. An icon no longer wanted is never added.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "common/scoped_win32.h"
#include "main/desktop/tray_callback.h"

namespace qvx {

// The message the shell sends the icon's owner for clicks and keys on the icon.
inline constexpr UINT kTrayCallbackMessage = WM_USER + 15;

class TrayIcon {
 public:
  TrayIcon() = default;
  ~TrayIcon();
  TrayIcon(const TrayIcon&) = delete;
  TrayIcon& operator=(const TrayIcon&) = delete;

  // Puts the icon (the named icon group at the small-icon size) with the tip into the
  // notification area; one icon, whatever came before.
  void Show(HWND owner, HINSTANCE instance, const std::wstring& iconName, const std::wstring& tip);
  // Takes it out; harmless when it is not there.
  void Hide();
  // The taskbar was made again (Explorer restarted): the icon, if shown, is added afresh.
  void ShowAgain();
  // True while the icon is wanted but the shell has not taken it (no notification area yet).
  bool AwaitsShell() const { return wanted_ && !inShell_ && !busy_; }
  // Tries again what the shell refused.
  void Retry() { Sync(); }
  // Between Show and Hide: the program is in the tray.
  bool Shown() const { return wanted_; }
  // Reloads the image at the small-icon size for the current DPI.
  void ReloadImage();
  // Asks the shell for the version-4 callbacks from now on. Until then it sends the older ones,
  // which Decode reads too: the start-up makes one blocking call fewer before the icon is up.
  void AskForVersion4();

  // Reads a callback message's parameters in the form the shell agreed to.
  TrayCallback Decode(WPARAM wParam, LPARAM lParam) const;

 private:
  // Brings the shell to what is wanted, one call at a time.
  void Sync();
  // The named icon group at the small-icon size for the current DPI, into data_; false when
  // there is none.
  bool LoadSmallImage();
  NOTIFYICONDATAW data_{};
  HINSTANCE instance_ = nullptr;
  std::wstring iconName_;
  ScopedIcon image_;
  bool wanted_ = false;          // the icon should be in the notification area
  bool inShell_ = false;         // the shell holds our entry
  bool stale_ = false;           // an entry of ours may be there but out of date: delete it first
  bool versionPending_ = false;  // added; the version-4 callbacks not asked for yet
  bool imageChanged_ = false;    // the entry's image must follow data_.hIcon
  bool versionAsked_ = false;    // AskForVersion4 was called
  bool version4_ = false;        // the shell agreed to the version-4 callbacks
  bool busy_ = false;            // a call to the shell is in flight
};

// Draws the window's caption flying to the notification area; nothing where there is none
// to find (Wine's taskbar has no "TrayNotifyWnd").
void AnimateToTray(HWND window);

} // namespace qvx
