#include "main/desktop/hotkey_pass.h"

namespace qvx {

namespace {
// The fields are 16-bit values in the file's form; RegisterHotKey takes them as unsigned words.
unsigned AsWord(std::int16_t v) { return static_cast<std::uint16_t>(v); }
} // namespace

int RunHotkeyPass(const HotkeyFileValues& values, SharedState& state, const RegisterHotkeyFn& registerHotkey) {
  state.HotkeyFailCount = 0;
  ApplyHotkeyValues(values, state);
  if (values.LaunchEnabled) {
    state.LaunchHotkeyRegistered =
        registerHotkey(kLaunchHotkeyId, AsWord(state.LaunchHotkeyModifiers), AsWord(state.LaunchHotkeyKey));
    if (!state.LaunchHotkeyRegistered && state.LaunchHotkeyKey != 0) ++state.HotkeyFailCount;
  }
  if (values.ToggleEnabled) {
    state.ToggleHotkeyRegistered =
        registerHotkey(kToggleHotkeyId, AsWord(state.ToggleHotkeyModifiers), AsWord(state.ToggleHotkeyKey));
    if (!state.ToggleHotkeyRegistered && state.ToggleHotkeyKey != 0) ++state.HotkeyFailCount;
  }
  return state.HotkeyFailCount;
}

HotkeyAction ActionForHotkey(std::uintptr_t id) {
  if (id == kLaunchHotkeyId) return HotkeyAction::Launch;
  if (id == kToggleHotkeyId) return HotkeyAction::Toggle;
  return HotkeyAction::None;
}

} // namespace qvx
