#pragma once
// The "Enabled" box of one hotkey and what ticking it does to the entry box beside it.
#include <cstdint>

#include "common/text_lines.h"

namespace qvx {

// What a box's handler reaches on the window side: its entry box, the box's own tick mark and
// the reserved-combination message.
class HotkeyEntryBox {
 public:
  virtual ~HotkeyEntryBox() = default;
  virtual std::uint8_t Modifiers() const = 0;  // hot-key control convention
  virtual std::uint8_t KeyCode() const = 0;
  virtual void SetCombination(std::uint8_t modifiers, std::uint8_t keyCode) = 0;
  virtual void SetEntryEnabled(bool enabled) = 0;
  virtual void ShowTick(bool ticked) = 0;
  virtual void ShowReservedMessage() = 0;
};

// Check1 or Check2. Its Click handler runs whenever its value changes, from a user's click or
// from code, and only then: setting it to the value it already has runs nothing.
class EnabledCheckBox {
 public:
  // The reserved list is read at each click, so a list filled after construction is seen.
  EnabledCheckBox(HotkeyEntryBox& entry, const Lines& reservedRows) : entry_(entry), reserved_(reservedRows) {}

  bool Ticked() const { return ticked_; }
  void SetTicked(bool ticked);
  // A user's click (mouse or space bar) turns the value over.
  void UserClicked() { SetTicked(!ticked_); }

 private:
  // Ticked: a reserved combination is refused (message, emptied box, nested untick), an
  // accepted one is frozen. Unticked: the entry box takes input again.
  void Click();

  HotkeyEntryBox& entry_;
  const Lines& reserved_;
  bool ticked_ = false;
};

} // namespace qvx
