#include "main/settings_dialog/hotkey_check_box.h"

#include "main/settings_dialog/hotkey_capture.h"

namespace qvx {

void EnabledCheckBox::SetTicked(bool ticked) {
  if (ticked == ticked_) return;
  ticked_ = ticked;
  entry_.ShowTick(ticked);
  Click();
}

void EnabledCheckBox::Click() {
  if (!ticked_) {
    entry_.SetEntryEnabled(true);
    return;
  }
  const std::uint8_t m = entry_.Modifiers();
  const std::uint8_t k = entry_.KeyCode();
  if (RestrictedHotkey(reserved_, m, k)) {
    entry_.ShowReservedMessage();
    entry_.SetCombination(0, 0);
    SetTicked(false);  // runs this handler once more, nested, which frees the entry box
    entry_.SetEntryEnabled(true);
  } else {
    entry_.SetEntryEnabled(false);
  }
}

} // namespace qvx
