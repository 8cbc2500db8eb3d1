#pragma once
// What a callback message of the tray icon asks for, in either of the shell's two forms.
#include <cstdint>

namespace qvx {

enum class TrayRequest { None, Toggle, Menu };

struct TrayCallback {
  TrayRequest request = TrayRequest::None;
  bool hasPoint = false;  // the menu point came with the message (screen coordinates)
  int x = 0;
  int y = 0;
};

// Version 4 (the shell took NIM_SETVERSION): the event in the low word of lParam, the icon's id
// (its low 16 bits) in the high word, the anchor point in wParam; a click or Enter/Space is
// NIN_SELECT/NIN_KEYSELECT, a right click, Shift+F10 or the menu key WM_CONTEXTMENU.
// Older form (the shell refused the version): the icon's id in wParam, the mouse message in
// lParam; a left button release toggles, a right button release opens the menu at the cursor.
TrayCallback DecodeTrayCallback(bool version4, std::uint32_t iconId, std::uintptr_t wParam, std::intptr_t lParam);

} // namespace qvx
