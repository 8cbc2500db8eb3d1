// The two global hotkeys: the registration pass, the unregistration and the window procedure
// that turns WM_HOTKEY into the main window's actions.
#include <windows.h>

#include "common/message_box_win32.h"
#include "main/desktop/desktop_state_win32.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/desktop_win32.h"
#include "main/desktop/hotkey_pass.h"
#include "main/startup/form1_win32.h"
#include "main/startup/settings_io_win32.h"

namespace qvx {

namespace {

void HotkeyPressed(std::uintptr_t id) {
  Form1& form = Form1::Instance();
  switch (ActionForHotkey(id)) {
    case HotkeyAction::Launch: form.Command3_Click(); break;
    case HotkeyAction::Toggle: form.Command1_Click(); break;
    case HotkeyAction::None: break;
  }
}

LRESULT CALLBACK HotkeyWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_HOTKEY) {
    HotkeyPressed(wParam);
    return 1;
  }
  return CallWindowProcW(Desktop().PrevWndProcHotkey, hwnd, msg, wParam, lParam);
}
} // namespace

void RegisterHotkeys(Form1& form, bool checkHotkeyFileFirst) {
  SharedState& state = form.State();
  state.HotkeyFailCount = 0;
  if (checkHotkeyFileFirst) HotKeyFileCheck(state);
  const HotkeyFileValues values = ReadHotkeyFile(state);
  HWND window = form.Handle();
  const int failures = RunHotkeyPass(values, state, [window](int id, unsigned modifiers, unsigned key) {
    return RegisterHotKey(window, id, modifiers, key) != FALSE;
  });
  if (failures != 0) {
    ShowMessage(nullptr, HotkeyWarningText(failures), kHotkeyWarningTitle, MB_OK | MB_ICONHAND);
    state.HotkeyFailCount = 0;
  }
  // The tray entry has just rebuilt the chain from the window's own procedure, so this
  // procedure stands in it once.
  DesktopState& d = Desktop();
  d.PrevWndProcHotkey = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HotkeyWindowProc)));
}

void UnregisterHotkeys(Form1& form) {
  const SharedState& state = form.State();
  if (state.LaunchHotkeyRegistered) UnregisterHotKey(form.Handle(), kLaunchHotkeyId);
  if (state.ToggleHotkeyRegistered) UnregisterHotKey(form.Handle(), kToggleHotkeyId);
}

} // namespace qvx
