// The rest of the benchmark's desktop: COUNT plain top-level windows in this one process,
// shown, until the process is ended.
//
//   many_windows.exe COUNT
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  const int count = argc > 1 ? _wtoi(argv[1]) : 0;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"BenchDesktopWindow";
  RegisterClassW(&windowClass);
  for (int i = 0; i < count; ++i) {
    const std::wstring title = L"Desktop window " + std::to_wstring(i);
    CreateWindowW(windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20 + i % 50 * 4,
                  20 + i % 40 * 4, 200, 120, nullptr, nullptr, instance, nullptr);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
