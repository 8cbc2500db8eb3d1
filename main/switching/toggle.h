#pragma once
// The toggle between the site's browser windows: which of them comes to the front next.
#include <optional>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

// The cycle visits the site's windows in ascending handle order, starting after the window
// chosen last. It starts again at the first window whenever the number of windows changed (a
// change of members at the same number does not), and skips once the window that was last in
// front, unless it is the only one.
class ToggleCycle {
 public:
  // The window in front now; none (0) keeps the one seen before.
  void RecordForeground(WindowId foreground);
  // The window to bring forward out of the site's windows (ascending); none when there are none.
  std::optional<WindowId> ChooseNext(const std::vector<WindowId>& siteWindows);

 private:
  int position_ = 0;  // 1-based position of the last choice; 0 before the first
  bool firstChoice_ = true;
  int lastCount_ = 0;  // how many windows the previous choice saw
  WindowId lastForeground_ = 0;
};

} // namespace qvx
