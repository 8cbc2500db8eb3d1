#pragma once
// Where a scroll bar stands after one of its requests, for the programs' small number pickers.
#include <optional>

namespace qvx {

// The requests of a scroll bar, numbered as Windows numbers them (SB_LINEUP to SB_BOTTOM), so
// that the request code of WM_VSCROLL can be passed as it comes.
enum class ScrollRequest : int {
  LineUp = 0,
  LineDown = 1,
  PageUp = 2,
  PageDown = 3,
  ThumbPosition = 4,
  ThumbTrack = 5,
  Top = 6,
  Bottom = 7,
};

// The position after the request: the arrows and clicks in the track move one step (towards
// lowest at the top), the thumb goes where it was dragged, Top and Bottom go to the ends; the
// result always lies within lowest..highest. Empty for a request that moves nothing (the end
// of a scroll, an unknown code) and when the position would not change.
std::optional<int> ScrollValue(int position, int request, int thumb, int lowest, int highest);

} // namespace qvx
