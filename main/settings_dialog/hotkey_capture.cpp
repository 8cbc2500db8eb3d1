#include "main/settings_dialog/hotkey_capture.h"

#include <algorithm>

namespace qvx {

int SwapModifiers(int value) {
  switch (value) {
    case 1: return 4;
    case 4: return 1;
    case 3: return 6;
    case 6: return 3;
    default: return value;
  }
}

bool IsReservedHotkey(std::span<const HotkeyCombination> reserved, HotkeyCombination combination) {
  return std::any_of(reserved.begin(), reserved.end(), [&](const HotkeyCombination& row) {
    return row.Modifiers == combination.Modifiers && row.KeyCode == combination.KeyCode;
  });
}

} // namespace qvx
