#pragma once
// The two global hotkeys, registered on the main window; each registration has an owner that
// unregisters it.
#include <windows.h>

#include <optional>

#include "main/settings/settings_record.h"

namespace qvx {

// One hotkey registered on a window (a held key repeats nothing), unregistered when it ends.
class RegisteredHotkey {
 public:
  RegisteredHotkey(HWND window, int id, unsigned modifiers, unsigned key);
  ~RegisteredHotkey();
  RegisteredHotkey(const RegisteredHotkey&) = delete;
  RegisteredHotkey& operator=(const RegisteredHotkey&) = delete;
  bool Held() const { return held_; }

 private:
  HWND window_;
  int id_;
  bool held_;
};

class GlobalHotkeys {
 public:
  // The registration pass: unregisters what an earlier pass registered, reads the hotkey file
  // (creating it when it is missing) into the settings, registers the enabled hotkeys on the
  // window and returns the number of failures to report.
  int Register(HWND window, ProgramSettings& settings);
  // Unregisters both; harmless when nothing is registered.
  void Unregister();

 private:
  std::optional<RegisteredHotkey> launch_;
  std::optional<RegisteredHotkey> toggle_;
};

} // namespace qvx
