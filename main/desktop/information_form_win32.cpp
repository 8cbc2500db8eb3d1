#include "main/desktop/information_form_win32.h"

#include "information_form_ids.h"
#include "common/common_controls_win32.h"
#include "main/desktop/desktop_texts.h"
#include "main/settings/information_form_setting_win32.h"

namespace qvx {

RegValue ReadUserRegistryValue(const wchar_t* key, const wchar_t* name) {
  DWORD type = 0, size = 0;
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_DWORD, &type, nullptr, &size) !=
      ERROR_SUCCESS) {
    return std::wstring();
  }
  if (type == REG_DWORD) {
    DWORD number = 0;
    size = sizeof number;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &number, &size) != ERROR_SUCCESS) {
      return std::wstring();
    }
    return static_cast<std::int32_t>(number);
  }
  std::wstring text(size / sizeof(wchar_t) + 1, L'\0');
  size = static_cast<DWORD>(text.size() * sizeof(wchar_t));
  if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text.data(), &size) != ERROR_SUCCESS) {
    return std::wstring();
  }
  text.resize(text.find(L'\0'));  // RegGetValueW ends it with a NUL; stored data may hold more
  return text;
}

void InformationForm::ShowIfWindowReuseOn(HINSTANCE instance, const std::wstring& showSetting) {
  if (!IsWindowReuseOn(ReadUserRegistryValue(L"SOFTWARE\\Microsoft\\Internet Explorer\\Main", L"AllowWindowReuse"))) {
    return;
  }
  if (!window_) {
    LoadCommonControls(ICC_STANDARD_CLASSES);
    window_.Reset(CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_INFORMATION_FORM), nullptr, Procedure,
                                     reinterpret_cast<LPARAM>(this)));
    if (!window_) return;
    dialogs_.Add(Handle());
    icon_.Reset(static_cast<HICON>(LoadImageW(instance, L"QVXSPLASH", IMAGE_ICON, 0, 0, LR_DEFAULTSIZE)));
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_.Get()));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_.Get()));
  }
  SetDlgItemTextW(Handle(), IDC_INFORMATION_TEXT, WindowReuseInformationText().c_str());
  if (showSetting == L"Y") {
    ShowWindow(Handle(), SW_SHOWNORMAL);
    SetForegroundWindow(Handle());
  }
}

INT_PTR InformationForm::HandleMessage(UINT msg, WPARAM wParam, LPARAM) {
  switch (msg) {
    case WM_INITDIALOG:
      return TRUE;
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) DestroyWindow(Handle());
      return TRUE;
    case WM_CLOSE:
      DestroyWindow(Handle());
      return TRUE;
    case WM_DESTROY:
      // Whether the user closed it or the program is ending: the tick is the user's answer.
      if (IsDlgButtonChecked(Handle(), IDC_DONT_SHOW_AGAIN) == BST_CHECKED) SaveInformationFormSetting(L"N");
      dialogs_.Remove(Handle());
      window_.Release();  // destroyed by whoever closed it
      return TRUE;
  }
  return FALSE;
}

} // namespace qvx
