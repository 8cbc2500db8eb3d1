#include "main/app/application_win32.h"

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/scoped_win32.h"
#include "main/app/instance_guard.h"

namespace qvx {

namespace {
// The directory's kernel object: created here, or found held by another copy, or neither (the
// name is taken by an object this program may not open, or by one of another kind).
DirectoryClaim ClaimDirectory(ScopedHandle& claim, const std::wstring& directory) {
  claim.Reset(CreateMutexW(nullptr, TRUE, InstanceObjectName(NormalisedDirectory(directory)).c_str()));
  if (!claim) return DirectoryClaim::Unavailable;
  return GetLastError() == ERROR_ALREADY_EXISTS ? DirectoryClaim::HeldByOther : DirectoryClaim::Taken;
}
} // namespace

int Application::Run() {
  // Held for the life of the program.
  ScopedHandle claim;
  if (DecideStart(ClaimDirectory(claim, settings_.programDirectory)) == StartDecision::Refuse) {
    ShowMessage(nullptr, RefusalMessage(), L"Quorvex", MB_OK | MB_ICONINFORMATION);
    return 0;
  }
  if (!mainWindow_.Start()) return 1;
  return dialogs_.RunMessageLoop();
}

} // namespace qvx
