#include "main/startup/application_win32.h"

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/scoped_win32.h"
#include "common/text_file_win32.h"
#include "main/startup/instance_guard.h"
#include "main/startup/settings_io_win32.h"

namespace qvx {

int Application::Run() {
  // The directory's kernel object, held for the life of the program: a start is refused only
  // while a live copy from the same directory holds it.
  const ScopedHandle claim(
      CreateMutexW(nullptr, TRUE, InstanceObjectName(NormalisedDirectory(ProgramDirectory())).c_str()));
  const bool heldByAnotherCopy = claim && GetLastError() == ERROR_ALREADY_EXISTS;
  // An unreadable status file counts as "not running".
  const auto status = ReadTextFileLines(StatusFilePath());
  if (DecideStart(status ? *status : Lines{}, heldByAnotherCopy) == StartDecision::Refuse) {
    ShowMessage(nullptr, RefusalMessage(), L"Quorvex", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  if (!mainWindow_.Start()) return 1;
  return dialogs_.RunMessageLoop();
}

} // namespace qvx
