#include "main/switching/window_walk.h"

#include <algorithm>

#include "main/switching/window_match.h"

namespace qvx {

std::vector<WindowId> CollectMatchingWindows(WindowSource& windows, std::wstring_view browserTextKeyword,
                                             std::wstring_view urlKeyword) {
  std::vector<WindowId> found;
  for (WindowId window : windows.TopLevelWindows()) {
    if (!windows.IsTopLevelWindow(window)) continue;
    const std::wstring title = windows.Title(window);
    if (title.empty() || !TitleMatches(title, browserTextKeyword)) continue;
    if (!ClassMatches(windows.ClassName(window))) continue;
    if (!AddressMatches(windows.GetTheURL(window), urlKeyword)) continue;
    found.push_back(window);
  }
  std::sort(found.begin(), found.end());
  // A window listed twice by the window system would be visited twice in a row.
  found.erase(std::unique(found.begin(), found.end()), found.end());
  return found;
}

} // namespace qvx
