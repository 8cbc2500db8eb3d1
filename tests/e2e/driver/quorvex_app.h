#pragma once
// Quorv114 started from a directory of its own, as a user would start a copy of it.
#include <string>

#include "driver.h"

namespace e2e {

inline constexpr wchar_t kMainExe[] = L"Quorv114.exe";
inline constexpr wchar_t kMainWindowClass[] = L"QuorvexForm1";

class QuorvexApp {
 public:
  // Copies the program into the directory (once) so that its settings files land there.
  explicit QuorvexApp(const std::wstring& dir);

  const std::wstring& Dir() const { return dir_; }
  std::wstring File(const std::wstring& name) const;
  std::optional<std::string> Read(const std::wstring& name) const { return ReadFileBytes(File(name)); }
  bool Write(const std::wstring& name, const std::string& bytes) const { return WriteFileBytes(File(name), bytes); }

  // Starts the program; the previous process object (if any) is kept running.
  Process& Start();
  Process& Proc() { return process_; }
  DWORD Pid() const { return process_.Id(); }

  // Start-up finished: the status file holds "1" and the program has settled in the tray with
  // its hotkeys registered (its main window says so).
  bool WaitUntilRunning(Millis timeout = kDefaultWait);
  // Back in the tray after the About window was closed, hotkeys registered again.
  bool WaitUntilInTray(Millis timeout = kDefaultWait);
  HWND MainWindow(Millis timeout = kDefaultWait);

  // A tray-menu command (IDM_* of the main window), posted as the menu posts it.
  void Command(unsigned id);
  // "&Exit" from the menu; true when the process ended.
  bool Exit();

 private:
  std::wstring dir_;
  Process process_;
};

} // namespace e2e
