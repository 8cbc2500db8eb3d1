#pragma once
// Tells a new hotkey press from the repeats of a held combination, for the window the hotkeys
// are registered on. While a combination is held, a short timer of that window watches its key
// go up; it runs only then, never while the program waits.
#include <windows.h>

#include <array>

#include "main/desktop/hotkey_repeats.h"

namespace qvx {

class HotkeyPresses {
 public:
  static constexpr UINT_PTR kKeyWatchTimer = 3;  // the window's timer id for the watch

  // For the WM_HOTKEY the window is handling: true when it is a new press.
  bool IsNewPress(HWND window, WPARAM hotkey, LPARAM keys);
  // For the window's kKeyWatchTimer.
  void WatchKeys(HWND window);

 private:
  HotkeyRepeats repeats_;
  std::array<UINT, HotkeyRepeats::kHotkeys> keys_{};  // the virtual key of each held combination
};

} // namespace qvx
