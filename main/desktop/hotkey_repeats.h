#pragma once
// One press per keystroke. A held hotkey combination makes the system repeat its hotkey
// message with the keyboard's auto-repeat (Windows stops that with MOD_NOREPEAT; Wine ignores
// the flag). After a press, the combination's key is watched until it is seen up; a hotkey
// message sent before that key-up is a repeat, also when it is handled after it.
#include <array>
#include <cstdint>

namespace qvx {

class HotkeyRepeats {
 public:
  // Message times are the system's millisecond tick count, which wraps.
  using Tick = std::uint32_t;
  static constexpr int kHotkeys = 2;  // hotkey ids 0 and 1

  // A hotkey message for `hotkey` sent at `sent`: true when it starts a new press. The key is
  // then watched until KeyUp.
  bool IsNewPress(int hotkey, Tick sent);
  // The watched key of `hotkey` was seen up at `seen`.
  void KeyUp(int hotkey, Tick seen);
  bool IsHeld(int hotkey) const;
  bool AnyHeld() const;

 private:
  struct State {
    bool held = false;
    bool released = false;  // a key-up was seen since the first press
    Tick releasedAt = 0;
  };
  std::array<State, kHotkeys> states_{};
};

} // namespace qvx
