#pragma once
// The hotkey registration pass and the hotkey dispatch, apart from the Windows calls.
#include <cstdint>
#include <functional>

#include "main/settings/settings_files.h"

namespace qvx {

inline constexpr int kLaunchHotkeyId = 0;  // "Launch New"
inline constexpr int kToggleHotkeyId = 1;  // "Toggle Between"

// Registers one hotkey: (id, modifiers in RegisterHotKey form, virtual key) -> success.
using RegisterHotkeyFn = std::function<bool(int id, unsigned modifiers, unsigned key)>;

// Runs the pass over the values of the hotkey file: "Launch New" then "Toggle Between", each
// registered only when enabled. A failure counts only when the hotkey has a key. Returns the
// number of failures to report.
int RunHotkeyPass(const HotkeyFileValues& values, const RegisterHotkeyFn& registerHotkey);

enum class HotkeyAction { None, Launch, Toggle };
HotkeyAction ActionForHotkey(std::uintptr_t id);

} // namespace qvx
