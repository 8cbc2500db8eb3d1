#include "common/common_controls_win32.h"

#include <commctrl.h>

namespace qvx {

bool LoadCommonControls(DWORD classes) {
  // The activation context of the program's manifest still redirects this load to version 6;
  // LOAD_LIBRARY_SEARCH_SYSTEM32 keeps a file planted beside the program out.
  static const auto initialise = [] {
    const HMODULE dll = LoadLibraryExW(L"comctl32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    return dll ? reinterpret_cast<decltype(&::InitCommonControlsEx)>(
                     reinterpret_cast<void*>(GetProcAddress(dll, "InitCommonControlsEx")))
               : nullptr;
  }();
  const INITCOMMONCONTROLSEX controls{sizeof controls, classes};
  return initialise && initialise(&controls);
}

} // namespace qvx
