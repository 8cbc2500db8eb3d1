#pragma once
// The toggle between the site's browser windows: which window of List1 comes next.
#include <optional>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

// The toggle state of the main window. The cycle visits List1 in its (ascending) order,
// starting after the window chosen last; it restarts at the first window whenever the number
// of windows changed, and skips once the window that was last seen in the foreground.
struct ToggleState {
  int TogglePosition = 0;         // 1-based position of the last choice; 0 before the first
  bool FirstToggle = true;        // no toggle yet since the main window's load
  int LastWindowCount = 0;        // how many windows List1 held at the previous toggle
  WindowId LastForegroundHwnd = 0;  // the last non-zero foreground window the timer saw

  // At the main window's load: the next toggle is the first one again.
  void Reset();
  // Every timer tick: a tick without a foreground window keeps the previous one.
  void RecordForeground(WindowId foreground);
  // Chooses the next window of List1 and returns it (Text1); nothing when List1 is empty.
  std::optional<WindowId> ToggleIt(const std::vector<WindowId>& List1);
};

} // namespace qvx
