#pragma once
// The programs' message loop, which gives every open modeless dialog its keyboard handling.
#include <windows.h>

#include <vector>

namespace qvx {

// The modeless dialogs that are open, owned by the program's application object.
class ModelessDialogs {
 public:
  void Add(HWND dialog);
  void Remove(HWND dialog);
  // Runs until WM_QUIT; returns its exit code.
  int RunMessageLoop() const;

 private:
  std::vector<HWND> dialogs_;
};

} // namespace qvx
