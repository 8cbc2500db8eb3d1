#include "common/scroll_value.h"

#include <algorithm>

namespace qvx {

std::optional<int> ScrollValue(int position, int request, int thumb, int lowest, int highest) {
  int next = position;
  switch (static_cast<ScrollRequest>(request)) {
    case ScrollRequest::LineUp:
    case ScrollRequest::PageUp: next = position - 1; break;
    case ScrollRequest::LineDown:
    case ScrollRequest::PageDown: next = position + 1; break;
    case ScrollRequest::ThumbPosition:
    case ScrollRequest::ThumbTrack: next = thumb; break;
    case ScrollRequest::Top: next = lowest; break;
    case ScrollRequest::Bottom: next = highest; break;
    default: return std::nullopt;
  }
  next = std::clamp(next, lowest, highest);
  if (next == position) return std::nullopt;
  return next;
}

} // namespace qvx
