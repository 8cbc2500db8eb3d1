#pragma once
// The site's browser windows as the main window reaches them: "Toggle Between" and "Launch New".
// Made and used on the user-interface thread; it follows the foreground window by itself.
#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "common/scoped_win32.h"
#include "main/switching/toggle.h"
#include "main/switching/window_walk.h"

namespace qvx {

class AddressReaders;
class PressReads;
class TabSearch;

// What identifies the site's windows, and what opens a new one.
struct SiteKeywords {
  std::wstring browserTextKeyword;  // a word of the window title
  std::wstring urlKeyword;          // a word of the address shown
  std::wstring launchUrl;           // opened when no window of the site is open
};

class SiteSwitcher {
 public:
  SiteSwitcher();  // makes nothing yet: the program's start does not wait for it
  ~SiteSwitcher();
  SiteSwitcher(const SiteSwitcher&) = delete;
  SiteSwitcher& operator=(const SiteSwitcher&) = delete;

  // Makes what presses need from the start (the message window, the foreground hook); the
  // first press does it itself when this was not called before. The reading threads come
  // with the first read.
  void Prepare();
  // One "Toggle Between" press: the next window of the site comes to the front, or the Launch
  // URL opens when none is open. Returns at once: the browsers' addresses are read on other
  // threads and the press ends, whatever the browsers do, within 2 s of the keystroke. One
  // press may wait behind the one being served; presses beyond it are dropped.
  void Toggle(const SiteKeywords& site);
  // Reads the candidates' addresses as a press would now, with the same limits and deadline,
  // for a window that shows them: `notify` is posted `message` as each read ends.
  std::shared_ptr<PressReads> ReadLikeAPress(const BrowserWindows& windows, HWND notify, UINT message);
  // Lists the Chromium- and Firefox-family windows' background tabs of the site, selecting
  // nothing, within a press's time.
  std::shared_ptr<TabSearch> LookForSiteTabs(std::vector<Candidate> windows, const std::wstring& browserTextKeyword,
                                             HWND notify, UINT message);
  // "Launch New": the shell's "open" of the Launch URL, without blocking the caller.
  void LaunchNew(const std::wstring& launchUrl);

 private:
  struct Press;
  struct Waiting {
    SiteKeywords site;
    ULONGLONG keystroke;  // GetTickCount64 time of the press
  };

  static LRESULT CALLBACK MessageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  static void CALLBACK ForegroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD,
                                         DWORD);
  void Start(Waiting next);
  AddressReaders& Readers();
  void CheckPress();
  void Finish();
  bool StartTabSearch();
  void FinishTabSearch();
  void Launch();
  void ServeWaitingPress();

  std::unique_ptr<AddressReaders> readers_;
  ScopedWindow messages_;  // hears that a read ended, and the press deadline
  ScopedWinEventHook foregroundHook_;
  ToggleCycle cycle_;
  std::unique_ptr<Press> press_;  // the press being served, if any
  std::optional<Waiting> waiting_;
  std::optional<ULONGLONG> lastToggleLaunch_;  // when a press last opened the Launch URL
};

} // namespace qvx
