#pragma once
// The end-to-end driver: what a scenario needs to start the real programs in a directory of
// their own and to act on them as a user would. Every wait polls a condition with a deadline.
#include <windows.h>

#include <chrono>
#include <functional>
#include <initializer_list>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "main_window_ids.h"

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;
inline constexpr Millis kDefaultWait = 15s;

// Polls until the condition holds (true) or the deadline passes (false), pumping messages.
bool WaitFor(const std::function<bool()>& condition, Millis timeout = kDefaultWait);
inline bool StaysFalse(const std::function<bool()>& condition, Millis period) { return !WaitFor(condition, period); }

// ---- files: the folder of this test program (beside the programs under test), scratch places
std::wstring BinDir();
inline std::wstring BinFile(const std::wstring& name) { return BinDir() + L"\\" + name; }

// A fresh directory under %TEMP%, removed with everything in it at the end of the scenario.
struct TempDir {
  TempDir();
  ~TempDir();
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }
  std::wstring path_;
};

// Read with full sharing, so that the program under test can replace the file meanwhile.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
inline bool FileHolds(const std::wstring& path, const std::string& bytes) { return ReadFileBytes(path) == bytes; }
void CopyInto(const std::wstring& file, const std::wstring& dir, const std::wstring& newName = L"");

// Q:, an empty directory of the test bed's for a program at a drive's root; emptied before and after.
struct ScratchDrive {
  ScratchDrive();
  ~ScratchDrive();
  bool Ok() const { return ok_; }
  std::wstring Root() const { return L"Q:\\"; }
  std::wstring File(const std::wstring& name) const { return Root() + name; }
  bool ok_;
};

// ---- processes: started with no inherited handles; the object ends its process if it still runs
class Process {
 public:
  static Process Start(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir);
  bool Started() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  bool IsRunning() const { return handle_ && WaitForSingleObject(handle_.get(), 0) == WAIT_TIMEOUT; }
  bool WaitForExit(Millis timeout = kDefaultWait) const {
    return handle_ && WaitFor([this] { return !IsRunning(); }, timeout);
  }
  // Waits until the program waits for input with nothing left to do.
  bool WaitForInputIdle(Millis timeout = kDefaultWait) const {
    return handle_ && ::WaitForInputIdle(handle_.get(), static_cast<DWORD>(timeout.count())) == 0;
  }
  void Kill() const {
    if (IsRunning() && TerminateProcess(handle_.get(), 1)) WaitForSingleObject(handle_.get(), 10000);
  }

 private:
  struct End { void operator()(HANDLE process) const; };
  std::unique_ptr<void, End> handle_;
  DWORD id_ = 0;
};

// ---- windows (texts read with WM_GETTEXT, across processes) --------------------------------
std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);
HWND FindTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title = L"",
                  bool visibleOnly = false);
inline HWND WaitForTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title = L"",
                            bool visibleOnly = false, Millis timeout = kDefaultWait) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindTopLevel(processId, className, title, visibleOnly)) != nullptr; }, timeout);
  return found;
}
HWND ChildById(HWND parent, int id);
std::wstring ClipboardText();  // the clipboard's Unicode text; empty when it holds none
// Whether the process has loaded the DLL of that file name (case ignored).
bool HasLoadedModule(DWORD processId, const std::wstring& fileName);

// ---- message boxes: class #32770 with the static 0xFFFF ------------------------------------
enum class BoxIcon { None, Information, Exclamation, Critical, Question, Unknown };
const char* ToString(BoxIcon icon);

struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title, text;
  BoxIcon icon = BoxIcon::None;
  std::vector<std::wstring> buttons;  // captions, in creation order, "&" removed
  bool Press(const std::wstring& caption) const;  // "OK", "Yes", ...; waits for the box to close
};

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, Millis timeout = kDefaultWait);
bool NoMessageBoxFor(DWORD processId, Millis period);

// ---- the desktop: real keyboard input (keys pressed first to last, released last to first)
void PressChord(std::initializer_list<WORD> keys);
inline void PressKey(WORD key) { PressChord({key}); }
// The icons of Wine's notification area, each a window; mouse messages posted to one reach its owner,
// with NIN_SELECT after a left button release and WM_CONTEXTMENU after a right one (version 4 icons).
std::vector<HWND> TrayIcons();
inline bool WaitForTrayIconCount(size_t n, Millis timeout = kDefaultWait) {
  return WaitFor([&] { return TrayIcons().size() == n; }, timeout);
}
void LeftClick(HWND icon);
void DoubleClick(HWND icon);
void RightClick(HWND icon);
inline HWND OpenMenuOf(DWORD processId) { return FindTopLevel(processId, L"#32768", L"", true); }
bool HotkeyIsFree(UINT modifiers, UINT key);  // nobody holds the combination: this process can take it

// ---- Quorv114 started from a directory of its own, as a user would start a copy of it
inline constexpr wchar_t kMainExe[] = L"Quorv114.exe";
inline constexpr wchar_t kMainWindowClass[] = L"QuorvexMainWindow";

struct QuorvexApp {
  explicit QuorvexApp(const std::wstring& dir);  // copies the program there (once)
  std::wstring File(const std::wstring& name) const { return dir_ + (dir_.back() == L'\\' ? L"" : L"\\") + name; }
  std::optional<std::string> Read(const std::wstring& name) const { return ReadFileBytes(File(name)); }
  bool Write(const std::wstring& name, const std::string& bytes) const { return WriteFileBytes(File(name), bytes); }
  Process& Start() { return process_ = Process::Start(File(kMainExe), L"", dir_); }
  Process& Proc() { return process_; }
  DWORD Pid() const { return process_.Id(); }
  // Settled in the tray with its hotkeys registered (the main window says so; at the start, status "1").
  bool WaitUntilRunning(Millis timeout = kDefaultWait);
  bool WaitUntilInTray(Millis timeout = kDefaultWait);
  HWND MainWindow(Millis wait = kDefaultWait) { return WaitForTopLevel(Pid(), kMainWindowClass, L"", false, wait); }
  void Command(unsigned id) { PostMessageW(MainWindow(), WM_COMMAND, id, 0); }  // IDM_TRAY_*, as the menu does
  bool Exit() { return Command(IDM_TRAY_EXIT), process_.WaitForExit(); }  // "&Exit"; true when it ended
  std::wstring dir_;
  Process process_;
};

// ---- pictures (ImageMagick's import) of the screen or of a window, in %QVX_SCREENSHOT_DIR% or %TEMP%
bool Screenshot(const std::wstring& pngPath, HWND window = nullptr);
std::wstring ScreenshotPath(const std::wstring& name);

} // namespace e2e
