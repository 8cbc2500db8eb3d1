#include "main/desktop/hotkey_repeats.h"

namespace qvx {

namespace {
bool Before(HotkeyRepeats::Tick a, HotkeyRepeats::Tick b) {
  return static_cast<std::int32_t>(a - b) < 0;  // across the tick count's wrap
}
} // namespace

bool HotkeyRepeats::IsNewPress(int hotkey, Tick sent) {
  if (hotkey < 0 || hotkey >= kHotkeys) return true;
  State& state = states_[static_cast<std::size_t>(hotkey)];
  if (state.held || (state.released && Before(sent, state.releasedAt))) return false;
  state.held = true;
  return true;
}

void HotkeyRepeats::KeyUp(int hotkey, Tick seen) {
  if (hotkey < 0 || hotkey >= kHotkeys) return;
  State& state = states_[static_cast<std::size_t>(hotkey)];
  if (!state.held) return;
  state = {false, true, seen};
}

bool HotkeyRepeats::IsHeld(int hotkey) const {
  return hotkey >= 0 && hotkey < kHotkeys && states_[static_cast<std::size_t>(hotkey)].held;
}

bool HotkeyRepeats::AnyHeld() const {
  for (const State& state : states_) {
    if (state.held) return true;
  }
  return false;
}

} // namespace qvx
