#include "main/desktop/hotkey_presses_win32.h"

namespace qvx {

namespace {
constexpr UINT kKeyWatchIntervalMs = 20;
}

bool HotkeyPresses::IsNewPress(HWND window, WPARAM hotkey, LPARAM keys) {
  const int id = static_cast<int>(hotkey);
  if (!repeats_.IsNewPress(id, static_cast<HotkeyRepeats::Tick>(GetMessageTime()))) return false;
  if (repeats_.IsHeld(id)) {
    keys_[static_cast<std::size_t>(id)] = HIWORD(keys);
    SetTimer(window, kKeyWatchTimer, kKeyWatchIntervalMs, nullptr);
  }
  return true;
}

void HotkeyPresses::WatchKeys(HWND window) {
  for (int id = 0; id < HotkeyRepeats::kHotkeys; ++id) {
    if (repeats_.IsHeld(id) && (GetAsyncKeyState(static_cast<int>(keys_[static_cast<std::size_t>(id)])) & 0x8000) == 0) {
      repeats_.KeyUp(id, GetTickCount());
    }
  }
  if (!repeats_.AnyHeld()) KillTimer(window, kKeyWatchTimer);
}

} // namespace qvx
