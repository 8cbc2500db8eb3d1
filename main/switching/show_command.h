#pragma once
// How a browser window is brought back: the show command written for the one read.
#include <optional>

namespace qvx {

// Show commands as the window placement holds them.
inline constexpr int kShowHidden = 0;
inline constexpr int kShowNormal = 1;
inline constexpr int kShowMinimized = 2;
inline constexpr int kShowMaximized = 3;
inline constexpr int kShow = 5;

// A normal or zoomed window is only shown (it keeps its size and place), a minimised one
// comes back zoomed to full size; for anything else (a hidden window, a placement that could
// not be read) nothing is to be done.
std::optional<int> ShowCommandToWrite(int showCommandRead);

} // namespace qvx
