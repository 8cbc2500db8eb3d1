#include "main/startup/main_win32.h"

#include <commctrl.h>
#include <objbase.h>

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/message_loop_win32.h"
#include "common/text_file_win32.h"
#include "main/startup/form1_win32.h"
#include "main/startup/instance_guard.h"
#include "main/startup/settings_io_win32.h"

namespace qvx {

namespace {
// Holds the directory's kernel object for the life of the program.
class DirectoryClaim {
 public:
  explicit DirectoryClaim(const std::wstring& directory) {
    handle_ = CreateMutexW(nullptr, TRUE, InstanceObjectName(NormalisedDirectory(directory)).c_str());
    heldElsewhere_ = handle_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
  }
  ~DirectoryClaim() {
    if (handle_) CloseHandle(handle_);
  }
  DirectoryClaim(const DirectoryClaim&) = delete;
  DirectoryClaim& operator=(const DirectoryClaim&) = delete;
  bool HeldByAnotherCopy() const { return heldElsewhere_; }

 private:
  HANDLE handle_ = nullptr;
  bool heldElsewhere_ = false;
};
} // namespace

int Main(HINSTANCE instance) {
  const std::wstring directory = ProgramDirectory();
  DirectoryClaim claim(directory);
  // An unreadable status file counts as "not running": only a live copy refuses the start.
  const auto status = ReadTextFileLines(StatusFilePath());
  if (DecideStart(status ? *status : Lines{}, claim.HeldByAnotherCopy()) == StartDecision::Refuse) {
    ShowMessage(nullptr, RefusalMessage(), L"Quorvex", MB_OK | MB_ICONINFORMATION);
    return 0;
  }

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_HOTKEY_CLASS | ICC_BAR_CLASSES;
  InitCommonControlsEx(&controls);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);

  int exitCode = 1;
  if (Form1::Instance().Load(instance)) exitCode = RunMessageLoop();
  if (SUCCEEDED(com)) CoUninitialize();
  return exitCode;
}

} // namespace qvx
