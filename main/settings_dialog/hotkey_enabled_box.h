#pragma once
// The "Enabled" box of one hotkey and what ticking it does to the entry box beside it.
#include <cstdint>
#include <span>

#include "main/settings_dialog/hotkey_capture.h"

namespace qvx {

// What a box's handler reaches on the window side: its entry box, the box's own tick mark and
// the reserved-combination message.
class HotkeyEntryBox {
 public:
  virtual ~HotkeyEntryBox() = default;
  virtual HotkeyCombination Combination() const = 0;  // hot-key control convention
  virtual void SetCombination(HotkeyCombination combination) = 0;
  virtual void SetEntryEnabled(bool enabled) = 0;
  virtual void ShowTick(bool ticked) = 0;
  virtual void ShowReservedMessage() = 0;
};

// An "Enabled" box. Its handler runs whenever its value changes, from a user's click or from
// code, and only then: setting it to the value it already has runs nothing.
class HotkeyEnabledBox {
 public:
  explicit HotkeyEnabledBox(HotkeyEntryBox& entry) : entry_(entry) {}

  // The combinations refused from now on. Until this is called nothing is refused, so that the
  // stored hotkeys set while the dialog opens stand as they are.
  void RefuseFromNowOn(std::span<const HotkeyCombination> reserved) { reserved_ = reserved; }

  bool Ticked() const { return ticked_; }
  void SetTicked(bool ticked);
  // A user's click (mouse or space bar) turns the value over.
  void UserClicked() { SetTicked(!ticked_); }

 private:
  // Ticked: a reserved combination is refused (message, emptied box, nested untick), an
  // accepted one is frozen. Unticked: the entry box takes input again.
  void ValueChanged();

  HotkeyEntryBox& entry_;
  std::span<const HotkeyCombination> reserved_;
  bool ticked_ = false;
};

} // namespace qvx
