#include "creator/main_win32.h"

#include <commctrl.h>
#include <objbase.h>

#include <string>
#include <vector>

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "creator/creator_texts.h"
#include "creator/form1_win32.h"
#include "creator/instance_layout.h"

namespace qvx::creator {

namespace {
std::wstring CurrentDirectory() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    const DWORD n = GetCurrentDirectoryW(static_cast<DWORD>(buffer.size()), buffer.data());
    if (n == 0) return std::wstring();
    if (n < buffer.size()) return std::wstring(buffer.data(), n);
    buffer.resize(n);
  }
}

bool IsDirectory(const std::wstring& path) { return bDirExists(path); }
} // namespace

int Main(HINSTANCE instance) {
  if (StartedFromInstanceDirectory(CurrentDirectory(), IsDirectory)) {
    ShowMessage(nullptr, kRunFromMasterMessage, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    return 0;
  }

  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES;
  InitCommonControlsEx(&controls);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  {
    Form1 form(instance);
    form.Show();
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return 0;
}

} // namespace qvx::creator
