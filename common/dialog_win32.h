#pragma once
// What every dialog of both programs shares: the procedure that routes a dialog's messages to
// its C++ object, a control's text, and centring on a monitor.
#include <windows.h>

#include <string>

namespace qvx {

// A dialog whose messages go to HandleMessage of the object passed as the creation parameter
// of CreateDialogParamW or DialogBoxParamW (with DialogWindow::Procedure as the procedure).
class DialogWindow {
 public:
  DialogWindow() = default;
  DialogWindow(const DialogWindow&) = delete;
  DialogWindow& operator=(const DialogWindow&) = delete;

  HWND Handle() const { return hwnd_; }
  static INT_PTR CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

 protected:
  ~DialogWindow() = default;
  // As a dialog procedure: TRUE when handled. WM_INITDIALOG arrives here too, with hwnd_ set.
  virtual INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) = 0;
  // Sets the value a handled message returns to its sender (DWLP_MSGRESULT) and answers TRUE.
  INT_PTR Answer(LRESULT result) const;

 private:
  HWND hwnd_ = nullptr;
};

// The whole text of a window or control.
std::wstring WindowText(HWND window);
inline std::wstring ControlText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

// Moves window to the middle of the monitor that holds reference (the window
// itself when reference is null).
void CentreOnMonitor(HWND window, HWND reference = nullptr);

} // namespace qvx
