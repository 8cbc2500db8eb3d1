#include "common/message_loop_win32.h"

#include <algorithm>

namespace qvx {

void ModelessDialogs::Add(HWND dialog) {
  if (std::find(dialogs_.begin(), dialogs_.end(), dialog) == dialogs_.end()) dialogs_.push_back(dialog);
}

void ModelessDialogs::Remove(HWND dialog) {
  dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
}

int ModelessDialogs::RunMessageLoop() const {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    const bool handled = std::any_of(dialogs_.begin(), dialogs_.end(),
                                     [&](HWND d) { return IsWindow(d) && IsDialogMessageW(d, &msg); });
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}

} // namespace qvx
