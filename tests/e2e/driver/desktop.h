#pragma once
// The desktop as a user meets it: keys pressed on the keyboard, icons in the notification area.
#include <windows.h>

#include <initializer_list>
#include <vector>

#include "driver.h"

namespace e2e {

// Presses the keys together (first to last) and releases them (last to first), as real
// keyboard input that reaches global hotkeys and menus.
void PressChord(std::initializer_list<WORD> keys);
void PressKey(WORD key);

// The icons of Wine's notification area ("Wine System Tray"), each a window of its own.
std::vector<HWND> TrayIcons();
bool WaitForTrayIconCount(size_t count, Millis timeout = kDefaultWait);
// Clicks an icon: the mouse messages reach its owner as the icon's callback.
void LeftClick(HWND icon);
void DoubleClick(HWND icon);
void RightClick(HWND icon);

// The visible popup menu (class #32768) of a process, or null.
HWND OpenMenuOf(DWORD processId);

// True when this process can take the combination itself, that is nobody else holds it.
bool HotkeyIsFree(UINT modifiers, UINT key);

// The load address of a started program's executable.
UINT_PTR MainModuleBase(DWORD processId);

// A registry value of the current user, written or removed for a scenario.
void SetUserDword(const wchar_t* key, const wchar_t* name, DWORD value);
void SetUserString(const wchar_t* key, const wchar_t* name, const std::wstring& value);
void SetUserStringRaw(const wchar_t* key, const wchar_t* name, const std::wstring& dataWithNuls);
void DeleteUserValue(const wchar_t* key, const wchar_t* name);
void DeleteUserKey(const wchar_t* key);
std::optional<std::wstring> UserString(const wchar_t* key, const wchar_t* name);

} // namespace e2e
