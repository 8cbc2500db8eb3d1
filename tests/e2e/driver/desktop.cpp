#include "desktop.h"

#include <psapi.h>

namespace e2e {

namespace {
INPUT KeyInput(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  return in;
}

HWND TrayWindow() { return FindWindowW(L"__winex11_standalone_tray", nullptr); }
} // namespace

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  for (WORD k : keys) inputs.push_back(KeyInput(k, false));
  for (auto it = keys.end(); it != keys.begin();) inputs.push_back(KeyInput(*--it, true));
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

void PressKey(WORD key) { PressChord({key}); }

std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  if (HWND tray = TrayWindow()) {
    for (HWND c = GetWindow(tray, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
      if (IsWindowVisible(c)) icons.push_back(c);
    }
  }
  return icons;
}

bool WaitForTrayIconCount(size_t count, Millis timeout) {
  return WaitFor([&] { return TrayIcons().size() == count; }, timeout);
}

void LeftClick(HWND icon) {
  PostMessageW(icon, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 8));
  PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
}

void DoubleClick(HWND icon) {
  LeftClick(icon);
  PostMessageW(icon, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(8, 8));
  PostMessageW(icon, WM_LBUTTONUP, 0, MAKELPARAM(8, 8));
}

void RightClick(HWND icon) {
  PostMessageW(icon, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 8));
  PostMessageW(icon, WM_RBUTTONUP, 0, MAKELPARAM(8, 8));
}

HWND OpenMenuOf(DWORD processId) { return FindTopLevel(processId, L"#32768", L"", true); }

bool HotkeyIsFree(UINT modifiers, UINT key) {
  static int id = 0x3000;
  ++id;
  if (!RegisterHotKey(nullptr, id, modifiers, key)) return false;
  UnregisterHotKey(nullptr, id);
  return true;
}

UINT_PTR MainModuleBase(DWORD processId) {
  HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, processId);
  if (!process) return 0;
  HMODULE module = nullptr;
  DWORD needed = 0;
  UINT_PTR base = 0;
  if (EnumProcessModules(process, &module, sizeof module, &needed) && needed >= sizeof module) {
    base = reinterpret_cast<UINT_PTR>(module);
  }
  CloseHandle(process);
  return base;
}

void SetUserDword(const wchar_t* key, const wchar_t* name, DWORD value) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_DWORD, &value, sizeof value);
}

void SetUserString(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
  SetUserStringRaw(key, name, value + L'\0');
}

void SetUserStringRaw(const wchar_t* key, const wchar_t* name, const std::wstring& data) {
  RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, data.data(), static_cast<DWORD>(data.size() * sizeof(wchar_t)));
}

void DeleteUserValue(const wchar_t* key, const wchar_t* name) { RegDeleteKeyValueW(HKEY_CURRENT_USER, key, name); }

void DeleteUserKey(const wchar_t* key) { RegDeleteTreeW(HKEY_CURRENT_USER, key); }

std::optional<std::wstring> UserString(const wchar_t* key, const wchar_t* name) {
  wchar_t buffer[512] = {};
  DWORD size = sizeof buffer;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, buffer, &size) != ERROR_SUCCESS) {
    return std::nullopt;
  }
  return std::wstring(buffer);
}

} // namespace e2e
