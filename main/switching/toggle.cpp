#include "main/switching/toggle.h"

namespace qvx {

void ToggleCycle::RecordForeground(WindowId foreground) {
  if (foreground != 0) lastForeground_ = foreground;
}

std::optional<WindowId> ToggleCycle::ChooseNext(const std::vector<WindowId>& siteWindows) {
  const int count = static_cast<int>(siteWindows.size());
  if (firstChoice_) {
    lastCount_ = count;
    firstChoice_ = false;
  }
  if (count != lastCount_) {
    position_ = 0;
    lastCount_ = count;
  }
  if (count == 0) return std::nullopt;
  // After the last window comes the first again.
  ++position_;
  if (position_ > count || position_ < 1) position_ = 1;
  if (count >= 2 && siteWindows[position_ - 1] == lastForeground_) {
    position_ = position_ == count ? 1 : position_ + 1;
  }
  return siteWindows[position_ - 1];
}

} // namespace qvx
