#pragma once
// The site's browser windows as the main window reaches them: "Toggle Between" and "Launch New".
// Made and used on the user-interface thread; it follows the foreground window by itself.
#include <windows.h>

#include <deque>
#include <memory>
#include <string>

#include "common/scoped_win32.h"
#include "main/switching/toggle.h"

namespace qvx {

// What identifies the site's windows, and what opens a new one.
struct SiteKeywords {
  std::wstring browserTextKeyword;  // a word of the window title
  std::wstring urlKeyword;          // a word of the address shown
  std::wstring launchUrl;           // opened when no window of the site is open
};

class SiteSwitcher {
 public:
  SiteSwitcher();
  ~SiteSwitcher();
  SiteSwitcher(const SiteSwitcher&) = delete;
  SiteSwitcher& operator=(const SiteSwitcher&) = delete;

  // One "Toggle Between" press: the next window of the site comes to the front, or the Launch
  // URL opens when none is open. Returns at once: the browsers' addresses are read on the system
  // thread pool and the press ends, whatever the browsers do, within 2 s of the keystroke. A
  // press that arrives while one is served is served after it.
  void Toggle(const SiteKeywords& site);
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
  void ReadFinished(unsigned pressNumber);
  void Finish();

  // The threads that read addresses: a few at most, since one browser process answers its
  // windows one after another anyway, and each thread costs memory while it lives.
  struct ReadingThreads {
    ReadingThreads();
    ~ReadingThreads();
    PTP_POOL pool = nullptr;
    TP_CALLBACK_ENVIRON environment{};
  };
  ReadingThreads readers_;
  ScopedWindow messages_;  // receives the reads' results and the press deadline
  ScopedWinEventHook foregroundHook_;
  ToggleCycle cycle_;
  std::unique_ptr<Press> press_;  // the press being served, if any
  std::deque<Waiting> waiting_;
  unsigned pressCount_ = 0;
};

} // namespace qvx
