// The floor the benchmark compares Quorv114 with: a hidden window, a tray icon and two
// hotkeys (Ctrl+Alt+U, Ctrl+Alt+I: not Quorv114's, so that both can run at once), and on
// Ctrl+Alt+I a bare window walk doing only the queries the match needs: top-level frames of
// the browser's class whose address-bar edit holds the keyword, brought to the front in
// ascending handle order after the foreground one.
//
//   reference_tray.exe KEYWORD [FRAME_CLASS]     (FRAME_CLASS defaults to IEFrame)
//
// Like Quorv114, it sets the window property "QuorvexInTray" once icon and hotkeys are up.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {
constexpr UINT kTrayMessage = WM_APP + 1;
std::wstring g_keyword, g_frameClass = L"IEFrame";

HWND AddressEdit(HWND frame) {
  HWND w = frame;
  for (const wchar_t* name : {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32", L"ComboBox", L"Edit"}) {
    if (!(w = FindWindowExW(w, nullptr, name, nullptr))) return nullptr;
  }
  return w;
}

BOOL CALLBACK CollectSiteWindow(HWND w, LPARAM found) {
  wchar_t name[64];
  if (!IsWindowVisible(w) || !GetClassNameW(w, name, 64) || g_frameClass != name) return TRUE;
  HWND edit = AddressEdit(w);
  wchar_t text[2048] = {};
  if (edit && SendMessageTimeoutW(edit, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 1000,
                                  nullptr) &&
      std::wstring(text).find(g_keyword) != std::wstring::npos) {
    reinterpret_cast<std::vector<HWND>*>(found)->push_back(w);
  }
  return TRUE;
}

void ToggleToNextSiteWindow() {
  std::vector<HWND> windows;
  EnumWindows(CollectSiteWindow, reinterpret_cast<LPARAM>(&windows));
  if (windows.empty()) return;
  const auto key = [](HWND w) { return static_cast<LONG>(reinterpret_cast<LONG_PTR>(w)); };
  std::sort(windows.begin(), windows.end(), [&](HWND a, HWND b) { return key(a) < key(b); });
  const HWND front = GetForegroundWindow();
  auto next = std::upper_bound(windows.begin(), windows.end(), front, [&](HWND a, HWND b) { return key(a) < key(b); });
  SetForegroundWindow(next == windows.end() ? windows.front() : *next);
}

LRESULT CALLBACK WindowProc(HWND w, UINT message, WPARAM wp, LPARAM lp) {
  if (message == WM_HOTKEY && wp == 2) ToggleToNextSiteWindow();
  if (message == WM_CLOSE) PostQuitMessage(0);
  return DefWindowProcW(w, message, wp, lp);
}
} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (argc > 1) g_keyword = argv[1];
  if (argc > 2) g_frameClass = argv[2];
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuorvexReferenceTray";
  RegisterClassW(&windowClass);
  HWND window = CreateWindowW(windowClass.lpszClassName, L"", 0, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
  NOTIFYICONDATAW icon{};
  icon.cbSize = sizeof icon;
  icon.hWnd = window;
  icon.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  icon.uCallbackMessage = kTrayMessage;
  icon.hIcon = LoadIconW(nullptr, IDI_APPLICATION);
  lstrcpyW(icon.szTip, L"Reference");
  const bool shown = Shell_NotifyIconW(NIM_ADD, &icon);
  const bool keys = RegisterHotKey(window, 1, MOD_CONTROL | MOD_ALT, 'U') && RegisterHotKey(window, 2, MOD_CONTROL | MOD_ALT, 'I');
  if (shown && keys) SetPropW(window, L"QuorvexInTray", reinterpret_cast<HANDLE>(1));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  Shell_NotifyIconW(NIM_DELETE, &icon);
  return 0;
}
