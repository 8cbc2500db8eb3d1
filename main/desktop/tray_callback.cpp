#include "main/desktop/tray_callback.h"

namespace qvx {

namespace {
// The message numbers of the Windows headers, which this file does not include.
constexpr unsigned kContextMenu = 0x007B;    // WM_CONTEXTMENU
constexpr unsigned kLeftButtonUp = 0x0202;   // WM_LBUTTONUP
constexpr unsigned kRightButtonUp = 0x0205;  // WM_RBUTTONUP
constexpr unsigned kSelect = 0x0400;         // NIN_SELECT (WM_USER)
constexpr unsigned kKeySelect = 0x0401;      // NIN_KEYSELECT

unsigned LowWord(std::uintptr_t v) { return static_cast<unsigned>(v & 0xFFFFu); }
unsigned HighWord(std::uintptr_t v) { return static_cast<unsigned>((v >> 16) & 0xFFFFu); }
int SignedWord(unsigned word) { return static_cast<int>(static_cast<std::int16_t>(static_cast<std::uint16_t>(word))); }
} // namespace

TrayCallback DecodeTrayCallback(bool version4, std::uint32_t iconId, std::uintptr_t wParam, std::intptr_t lParam) {
  const auto l = static_cast<std::uintptr_t>(lParam);
  TrayCallback callback;
  if (version4) {
    if (HighWord(l) != (iconId & 0xFFFFu)) return callback;
    switch (LowWord(l)) {
      case kSelect:
      case kKeySelect: callback.request = TrayRequest::Toggle; break;
      case kContextMenu:
        callback = {TrayRequest::Menu, true, SignedWord(LowWord(wParam)), SignedWord(HighWord(wParam))};
        break;
    }
    return callback;
  }
  if (wParam != iconId) return callback;
  if (l == kLeftButtonUp) callback.request = TrayRequest::Toggle;
  if (l == kRightButtonUp) callback.request = TrayRequest::Menu;
  return callback;
}

} // namespace qvx
