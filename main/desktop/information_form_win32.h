#pragma once
// The information form shown at start-up when the browser reuses its windows, with its
// "Don't Show This Again" box, and the registry read that decides it.
#include <windows.h>

#include <string>

#include "common/dialog_win32.h"
#include "common/message_loop_win32.h"
#include "common/scoped_win32.h"
#include "main/desktop/window_reuse.h"

namespace qvx {

// A value under HKEY_CURRENT_USER: its text (up to the first NUL) or its 32-bit number; the
// empty text when it is missing, unreadable or of another type.
RegValue ReadUserRegistryValue(const wchar_t* key, const wchar_t* name);

class InformationForm : public DialogWindow {
 public:
  explicit InformationForm(ModelessDialogs& dialogs) : dialogs_(dialogs) {}
  // Reads the browser's option; when it is on, puts the text into the form (created hidden)
  // and shows it when the user's setting for the form is "Y".
  void ShowIfWindowReuseOn(HINSTANCE instance, const std::wstring& showSetting);

 protected:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  ModelessDialogs& dialogs_;
  ScopedIcon icon_;
  ScopedWindow window_;
};

} // namespace qvx
