#include "common/message_loop_win32.h"

#include <algorithm>
#include <vector>

namespace qvx {
namespace {
std::vector<HWND>& Dialogs() {
  static std::vector<HWND> dialogs;
  return dialogs;
}
} // namespace

void AddModelessDialog(HWND dialog) {
  if (std::find(Dialogs().begin(), Dialogs().end(), dialog) == Dialogs().end()) Dialogs().push_back(dialog);
}

void RemoveModelessDialog(HWND dialog) {
  auto& d = Dialogs();
  d.erase(std::remove(d.begin(), d.end(), dialog), d.end());
}

int RunMessageLoop() {
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    bool handled = false;
    for (HWND dialog : Dialogs()) {
      if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg)) { handled = true; break; }
    }
    if (!handled) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
  return static_cast<int>(msg.wParam);
}
} // namespace qvx
