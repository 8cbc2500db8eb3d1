#include "main/switching/fetch_window_win32.h"

#include "main/switching/show_command.h"

namespace qvx {

int FetchTheWindow(HWND WindowHandle) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  int showCommandRead = kShowHidden;
  // The placement of a hidden window reads as normal; a window its program hid stays hidden.
  // A window closed since the walk fails both calls and is left alone as well.
  if (IsWindowVisible(WindowHandle) && GetWindowPlacement(WindowHandle, &placement)) {
    showCommandRead = static_cast<int>(placement.showCmd);
  }
  const auto showCommand = ShowCommandToWrite(showCommandRead);
  if (!showCommand) return 0;
  placement.showCmd = static_cast<UINT>(*showCommand);
  int result = SetWindowPlacement(WindowHandle, &placement);
  if (!result) {
    // Some systems (Wine) refuse the placement of another process's window but show it.
    ShowWindow(WindowHandle, *showCommand);
    result = IsWindowVisible(WindowHandle) && (*showCommand != kShowMaximized || IsZoomed(WindowHandle)) ? 1 : 0;
  }
  SetForegroundWindow(WindowHandle);
  return result;
}

} // namespace qvx
