#pragma once
// The end-to-end driver: what a scenario needs to start the real programs in a directory of
// their own and to act on them as a user would. Every wait polls a condition with a deadline.
#include <windows.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;
inline constexpr Millis kDefaultWait = 15s;

// ---- waiting ----------------------------------------------------------------------------
// Polls the condition until it holds or the deadline passes; pumps this thread's messages
// meanwhile. True when the condition held.
bool WaitFor(const std::function<bool()>& condition, Millis timeout = kDefaultWait);
// True when the condition stays false for the whole period (for "nothing appears" checks).
bool StaysFalse(const std::function<bool()>& condition, Millis period);

// ---- files ------------------------------------------------------------------------------
std::wstring BinDir();  // the folder of the running test program, beside the programs under test
std::wstring BinFile(const std::wstring& name);

// A fresh directory under %TEMP%, removed with everything in it at the end of the scenario.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const;

 private:
  std::wstring path_;
};

// Reads a file with full sharing, so that the program under test can replace it meanwhile.
std::optional<std::string> ReadFileBytes(const std::wstring& path);
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);
bool FileHolds(const std::wstring& path, const std::string& bytes);
void CopyInto(const std::wstring& file, const std::wstring& dir, const std::wstring& newName = L"");
void RemoveTree(const std::wstring& path);
void EmptyDirectory(const std::wstring& dir);  // removes what it holds, keeps the directory

// The drive Q:, which the test bed maps to an empty directory of its own, so that a program
// can run from the root of a drive. Emptied when the scenario starts and when it ends.
class ScratchDrive {
 public:
  ScratchDrive();
  ~ScratchDrive();
  ScratchDrive(const ScratchDrive&) = delete;
  ScratchDrive& operator=(const ScratchDrive&) = delete;
  bool Ok() const { return ok_; }
  std::wstring Root() const { return L"Q:\\"; }
  std::wstring File(const std::wstring& name) const { return Root() + name; }
  void Empty() const;

 private:
  bool ok_ = false;
};

// ---- processes --------------------------------------------------------------------------
class Process {
 public:
  // Starts a program with the given working directory and no inherited handles.
  static Process Start(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir);
  Process() = default;
  Process(Process&& other) noexcept;
  Process& operator=(Process&& other) noexcept;
  ~Process();  // ends the process if it still runs: only ever one this driver started

  bool Started() const { return handle_ != nullptr; }
  DWORD Id() const { return id_; }
  // Waits until the program waits for input with nothing left to do (its start-up is over).
  bool WaitForInputIdle(Millis timeout = kDefaultWait) const;
  bool IsRunning() const;
  bool WaitForExit(Millis timeout = kDefaultWait) const;
  DWORD ExitCode() const;
  void Kill();

 private:
  HANDLE handle_ = nullptr;
  DWORD id_ = 0;
};

// ---- windows ----------------------------------------------------------------------------
std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly);
std::wstring ClassOf(HWND window);
std::wstring TextOf(HWND window);  // WM_GETTEXT, works across processes
HWND FindTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title = L"",
                  bool visibleOnly = false);
HWND WaitForTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title = L"",
                     bool visibleOnly = false, Millis timeout = kDefaultWait);
// The first child with the given control id, searched through all descendants.
HWND ChildById(HWND parent, int id);

// ---- message boxes ----------------------------------------------------------------------
enum class BoxIcon { None, Information, Exclamation, Critical, Question, Unknown };
const char* ToString(BoxIcon icon);

struct MessageBoxSeen {
  HWND window = nullptr;
  std::wstring title;
  std::wstring text;  // the static control with id 0xFFFF
  BoxIcon icon = BoxIcon::None;
  std::vector<std::wstring> buttons;  // captions, in creation order, "&" removed

  // Presses a button by its caption ("OK", "Yes", "No") and waits for the box to close.
  bool Press(const std::wstring& caption) const;
};

// A message box (class #32770 with a static 0xFFFF) of the process; none by the deadline gives empty.
std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, Millis timeout = kDefaultWait);
bool NoMessageBoxFor(DWORD processId, Millis period);

// ---- screenshots ------------------------------------------------------------------------
// Saves a PNG of the whole screen (or of one window's rectangle) with ImageMagick's import;
// the path is a Windows path. True when the file was written.
bool Screenshot(const std::wstring& pngPath, HWND window = nullptr);
// Where scenarios keep their screenshots: %QVX_SCREENSHOT_DIR% if set, else the temp folder.
std::wstring ScreenshotPath(const std::wstring& name);

} // namespace e2e
