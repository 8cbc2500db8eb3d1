#pragma once
// The site's browser windows as the main window reaches them: "Toggle Between" and "Launch New".
// Made and used on the user-interface thread; it follows the foreground window by itself.
#include <windows.h>

#include <string>

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
  // URL opens when none is open. A press that arrives while one is served is served after it.
  void Toggle(const SiteKeywords& site);
  // "Launch New": the shell's "open" of the Launch URL, without blocking the caller.
  void LaunchNew(const std::wstring& launchUrl);

 private:
  UINT_PTR foregroundTimer_ = 0;
};

} // namespace qvx
