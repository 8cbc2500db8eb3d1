#include "main/switching/window_walk.h"

#include <algorithm>

namespace qvx {

std::vector<BrowserWindow> ListBrowserWindows(WindowSource& windows) {
  std::vector<BrowserWindow> found;
  for (WindowId window : windows.TopLevelWindows()) {
    if (!windows.IsVisibleWithoutOwner(window)) continue;
    std::wstring className = windows.ClassName(window);
    const BrowserFamily family = BrowserFamilyOf(className);
    if (family == BrowserFamily::None) continue;
    const std::uint32_t processId = windows.ProcessId(window);
    found.push_back({window, family, {processId, std::move(className)}, windows.Title(window)});
  }
  return found;
}

BrowserWindows SelectCandidates(const std::vector<BrowserWindow>& windows, std::wstring_view browserTextKeyword) {
  BrowserWindows selected;
  for (const BrowserWindow& window : windows) {
    selected.processes.insert(window.process);
    if (!window.title.empty() && TitleMatches(window.title, browserTextKeyword)) {
      selected.candidates.push_back({window.window, window.family, window.process});
    }
  }
  return selected;
}

bool CountsAsSiteWindow(BrowserFamily family, const AddressRead& read, std::wstring_view urlKeyword) {
  switch (read.outcome) {
    case AddressRead::Outcome::Address: return AddressMatches(read.address, urlKeyword);
    case AddressRead::Outcome::NoAddressField: return false;
    case AddressRead::Outcome::Unreadable: return family == BrowserFamily::Modern;
  }
  return false;
}

std::vector<WindowId> SiteWindows(const std::vector<Candidate>& candidates, const std::vector<AddressRead>& reads,
                                  std::wstring_view urlKeyword) {
  std::vector<WindowId> found;
  for (std::size_t i = 0; i < candidates.size() && i < reads.size(); ++i) {
    if (CountsAsSiteWindow(candidates[i].family, reads[i], urlKeyword)) found.push_back(candidates[i].window);
  }
  std::sort(found.begin(), found.end());
  // A window listed twice by the window system would be visited twice in a row.
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

} // namespace qvx
