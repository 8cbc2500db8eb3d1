#include "creator/main_win32.h"

#include "common/common_controls_win32.h"
#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/scoped_win32.h"
#include "creator/creator_texts.h"
#include "creator/creator_window_win32.h"
#include "creator/instance_files_win32.h"
#include "creator/instance_layout.h"

namespace qvx::creator {

int Main(HINSTANCE instance) {
  if (StartedFromInstanceDirectory(CurrentDirectory(), DirectoryExists)) {
    ShowMessage(nullptr, kRunFromMasterMessage, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    return 0;
  }

  LoadCommonControls(ICC_STANDARD_CLASSES);
  const ScopedComInit com;  // for the shortcuts
  CreatorWindow(instance).Run();
  return 0;
}

} // namespace qvx::creator
