#include "main/switching/bring_forward_win32.h"

#include "main/switching/show_command.h"

namespace qvx {

bool BringWindowForward(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  int showCommandRead = kShowHidden;
  // The placement of a hidden window reads as normal; a window its program hid stays hidden.
  // A window closed since the walk fails both calls and is left alone as well.
  if (IsWindowVisible(window) && GetWindowPlacement(window, &placement)) {
    showCommandRead = static_cast<int>(placement.showCmd);
  }
  const auto showCommand = ShowCommandToWrite(showCommandRead);
  if (!showCommand) return false;
  // ShowWindow and SetWindowPlacement wait for the window's thread; ShowWindowAsync only posts,
  // as SetForegroundWindow does for a window of another thread.
  if (!SetForegroundWindow(window)) {
    // Windows refused to hand over the foreground (another program holds it): the chosen
    // window at least asks for the user's attention in the task bar.
    FLASHWINFO flash{sizeof flash, window, FLASHW_TRAY | FLASHW_TIMERNOFG, 0, 0};
    FlashWindowEx(&flash);
  }
  return ShowWindowAsync(window, *showCommand) != FALSE;
}

} // namespace qvx
