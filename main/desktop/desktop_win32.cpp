#include "main/desktop/desktop_win32.h"

#include <windows.h>

#include "main/startup/form1_win32.h"
#include "main/startup/settings_io_win32.h"

namespace qvx {

void TrayEntry(Form1& form) {
  // The tray icon attaches here; until then the program lives hidden.
  ShowWindow(form.Handle(), SW_HIDE);
}

void RemoveFromTray(Form1&) {}

void RegisterHotkeys(Form1& form, bool checkHotkeyFileFirst) {
  SharedState& state = form.State();
  state.HotkeyFailCount = 0;
  if (checkHotkeyFileFirst) HotKeyFileCheck(state);
  ReadHotkeyFile(state);
  // Registering the enabled hotkeys attaches here.
}

void UnregisterHotkeys(Form1&) {}

void ProbeWindowReuse(Form1&, const std::wstring&) {}

} // namespace qvx
