#include "main/switching/toggle.h"

namespace qvx {

void ToggleState::Reset() {
  FirstToggle = true;
  TogglePosition = 0;
}

void ToggleState::RecordForeground(WindowId foreground) {
  if (foreground != 0) LastForegroundHwnd = foreground;
}

std::optional<WindowId> ToggleState::ToggleIt(const std::vector<WindowId>& List1) {
  const int count = static_cast<int>(List1.size());
  if (FirstToggle) {
    LastWindowCount = count;
    FirstToggle = false;
  }
  // A change in the number of windows starts the cycle again; the same number of different
  // windows does not.
  if (count != LastWindowCount) {
    TogglePosition = 0;
    LastWindowCount = count;
  }
  if (count == 0) return std::nullopt;
  // After the last window comes the first again.
  ++TogglePosition;
  if (TogglePosition > count || TogglePosition < 1) TogglePosition = 1;
  if (count >= 2 && List1[TogglePosition - 1] == LastForegroundHwnd) {
    TogglePosition = TogglePosition == count ? 1 : TogglePosition + 1;
  }
  return List1[TogglePosition - 1];
}

} // namespace qvx
