// The check of the browser's window-reuse option at the end of the start-up, and the
// information form it may show.
#include <windows.h>

#include <vector>

#include "common/message_loop_win32.h"
#include "main/desktop/desktop_texts.h"
#include "main/desktop/desktop_win32.h"
#include "main/desktop/window_reuse.h"
#include "main/startup/form1_win32.h"
#include "main/startup/user_settings_win32.h"
#include "quorvex_alert_ids.h"

namespace qvx {

RegValue GetRegValue(HKEY hKey, const std::wstring& sKey, const std::wstring& sValue) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(hKey, sKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return std::wstring();
  RegValue result = std::wstring();
  DWORD type = 0, size = 0;
  if (RegQueryValueExW(key, sValue.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
    if (type == REG_SZ && size < (1u << 20)) {
      std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
      DWORD got = size;
      if (RegQueryValueExW(key, sValue.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &got) ==
          ERROR_SUCCESS) {
        result = TextUpToNul(std::wstring_view(buffer.data(), got / sizeof(wchar_t)));
      }
    } else if (type == REG_DWORD) {
      DWORD number = 0;
      DWORD got = sizeof number;
      if (RegQueryValueExW(key, sValue.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&number), &got) ==
          ERROR_SUCCESS) {
        result = static_cast<std::int32_t>(number);
      }
    }
  }
  RegCloseKey(key);
  return result;
}

namespace {
HWND g_alert = nullptr;
HICON g_alertIcon = nullptr;

INT_PTR CALLBACK QuorvexAlertProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(hwnd);
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(hwnd);
      return TRUE;
    case WM_DESTROY:
      // The form's unload, whether the user closed it or the program is ending.
      if (IsDlgButtonChecked(hwnd, IDC_QuorvexAlert_Check1) == BST_CHECKED) SaveSplashShow(L"N");
      RemoveModelessDialog(hwnd);
      g_alert = nullptr;
      return TRUE;
  }
  return FALSE;
}

HWND QuorvexAlert(Form1& form) {
  if (!g_alert) {
    g_alert = CreateDialogParamW(form.AppInstance(), MAKEINTRESOURCEW(IDD_QuorvexAlert), nullptr, QuorvexAlertProc, 0);
    if (!g_alert) return nullptr;
    AddModelessDialog(g_alert);
    if (!g_alertIcon) {
      g_alertIcon = static_cast<HICON>(LoadImageW(form.AppInstance(), L"QVXSPLASH", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE));
    }
    SendMessageW(g_alert, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(g_alertIcon));
    SendMessageW(g_alert, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(g_alertIcon));
  }
  return g_alert;
}
} // namespace

void ProbeWindowReuse(Form1& form, const std::wstring& splashShow) {
  const RegValue v =
      GetRegValue(HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse");
  if (!IsWindowReuseOn(v)) return;
  HWND alert = QuorvexAlert(form);
  if (!alert) return;
  SetDlgItemTextW(alert, IDC_QuorvexAlert_Text1, WindowReuseInformationText().c_str());
  if (splashShow == L"Y") {
    ShowWindow(alert, SW_SHOWNORMAL);
    SetForegroundWindow(alert);
  }
}

} // namespace qvx
