#include "common/message_box_win32.h"

namespace qvx {
int ShowMessage(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
  // Without an owner the box must still come to the front: the programs live in the tray.
  if (!owner) flags |= MB_SETFOREGROUND;
  return MessageBoxW(owner, text.c_str(), title.c_str(), flags);
}
} // namespace qvx
