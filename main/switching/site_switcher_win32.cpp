#include "main/switching/site_switcher_win32.h"

#include "main/switching/switching_win32.h"

namespace qvx {

SiteSwitcher::SiteSwitcher() {
  ResetToggleState();
  foregroundTimer_ = SetTimer(nullptr, 0, 250, [](HWND, UINT, UINT_PTR, DWORD) { RecordForegroundWindow(); });
}

SiteSwitcher::~SiteSwitcher() {
  if (foregroundTimer_) KillTimer(nullptr, foregroundTimer_);
}

void SiteSwitcher::Toggle(const SiteKeywords& site) {
  ToggleBetween(site.browserTextKeyword, site.urlKeyword, site.launchUrl);
}

void SiteSwitcher::LaunchNew(const std::wstring& launchUrl) { NewZOLTELaunch(launchUrl); }

} // namespace qvx
