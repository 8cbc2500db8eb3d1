#include "main/desktop/hotkeys_win32.h"

#include "main/desktop/hotkey_pass.h"
#include "main/settings/settings_files_win32.h"

namespace qvx {

RegisteredHotkey::RegisteredHotkey(HWND window, int id, unsigned modifiers, unsigned key)
    : window_(window), id_(id), held_(RegisterHotKey(window, id, modifiers | MOD_NOREPEAT, key) != FALSE) {}

RegisteredHotkey::~RegisteredHotkey() {
  if (held_) UnregisterHotKey(window_, id_);
}

int GlobalHotkeys::Register(HWND window, ProgramSettings& settings) {
  Unregister();
  const HotkeyFileValues values = ReadHotkeyFile(settings);
  return RunHotkeyPass(values, [&](int id, unsigned modifiers, unsigned key) {
    std::optional<RegisteredHotkey>& slot = id == kLaunchHotkeyId ? launch_ : toggle_;
    return slot.emplace(window, id, modifiers, key).Held();
  });
}

void GlobalHotkeys::Unregister() {
  launch_.reset();
  toggle_.reset();
}

} // namespace qvx
