#include "quorvex_app.h"

#include "form1_ids.h"

namespace e2e {

QuorvexApp::QuorvexApp(const std::wstring& dir) : dir_(dir) {
  if (GetFileAttributesW(File(kMainExe).c_str()) == INVALID_FILE_ATTRIBUTES) CopyInto(BinFile(kMainExe), dir_);
}

std::wstring QuorvexApp::File(const std::wstring& name) const {
  return dir_.back() == L'\\' ? dir_ + name : dir_ + L"\\" + name;
}

Process& QuorvexApp::Start() {
  process_ = Process::Start(File(kMainExe), L"", dir_);
  return process_;
}

bool QuorvexApp::WaitUntilRunning(Millis timeout) {
  return WaitFor([&] {
    HWND main = FindTopLevel(Pid(), kMainWindowClass);
    return main && GetPropW(main, L"QuorvexInTray") && FileHolds(File(L"QuorvexStatus.txt"), "1\r\n");
  }, timeout);
}

bool QuorvexApp::WaitUntilInTray(Millis timeout) {
  return WaitFor([&] {
    HWND main = FindTopLevel(Pid(), kMainWindowClass);
    return main && GetPropW(main, L"QuorvexInTray");
  }, timeout);
}

HWND QuorvexApp::MainWindow(Millis timeout) { return WaitForTopLevel(Pid(), kMainWindowClass, L"", false, timeout); }

void QuorvexApp::Command(unsigned id) { PostMessageW(MainWindow(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }

bool QuorvexApp::Exit() {
  Command(IDM_mnuExit);
  return process_.WaitForExit();
}

} // namespace e2e
