#include "main/desktop/hotkeys_win32.h"

#include "main/desktop/hotkey_pass.h"
#include "main/startup/settings_io_win32.h"

namespace qvx {

int RegisterHotkeys(HWND window, SharedState& state) {
  UnregisterHotkeys(window, state);
  const HotkeyFileValues values = ReadHotkeyFile(state);
  return RunHotkeyPass(values, state, [window](int id, unsigned modifiers, unsigned key) {
    // A held combination is one press (Wine ignores the flag: HotkeyRepeats sorts them out).
    return RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, key) != FALSE;
  });
}

void UnregisterHotkeys(HWND window, SharedState& state) {
  if (state.LaunchHotkeyRegistered) UnregisterHotKey(window, kLaunchHotkeyId);
  if (state.ToggleHotkeyRegistered) UnregisterHotKey(window, kToggleHotkeyId);
  state.LaunchHotkeyRegistered = state.ToggleHotkeyRegistered = false;
}

} // namespace qvx
