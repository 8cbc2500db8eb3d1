#include "main/desktop/hotkey_pass.h"

namespace qvx {

int RunHotkeyPass(const HotkeyFileValues& values, const RegisterHotkeyFn& registerHotkey) {
  int failures = 0;
  if (values.launchEnabled && !registerHotkey(kLaunchHotkeyId, values.launchModifiers, values.launchKey) &&
      values.launchKey != 0) {
    ++failures;
  }
  if (values.toggleEnabled && !registerHotkey(kToggleHotkeyId, values.toggleModifiers, values.toggleKey) &&
      values.toggleKey != 0) {
    ++failures;
  }
  return failures;
}

HotkeyAction ActionForHotkey(std::uintptr_t id) {
  if (id == kLaunchHotkeyId) return HotkeyAction::Launch;
  if (id == kToggleHotkeyId) return HotkeyAction::Toggle;
  return HotkeyAction::None;
}

} // namespace qvx
