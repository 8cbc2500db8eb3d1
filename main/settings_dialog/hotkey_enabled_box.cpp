#include "main/settings_dialog/hotkey_enabled_box.h"

namespace qvx {

void HotkeyEnabledBox::SetTicked(bool ticked) {
  if (ticked == ticked_) return;
  ticked_ = ticked;
  entry_.ShowTick(ticked);
  ValueChanged();
}

void HotkeyEnabledBox::ValueChanged() {
  if (!ticked_) {
    entry_.SetEntryEnabled(true);
    return;
  }
  if (IsReservedHotkey(reserved_, entry_.Combination())) {
    entry_.ShowReservedMessage();
    entry_.SetCombination({0, 0});
    SetTicked(false);  // runs this handler once more, nested, which frees the entry box
    entry_.SetEntryEnabled(true);
  } else {
    entry_.SetEntryEnabled(false);
  }
}

} // namespace qvx
