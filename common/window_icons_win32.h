#pragma once
// Icons of the programs' own resources, and the windows' big and small icons taken from them.
#include <windows.h>

#include <string>

#include "common/scoped_win32.h"

namespace qvx {

// One image of a named icon group at the given size; null when the group does not exist.
HICON LoadIconSized(HINSTANCE instance, const std::wstring& name, int size);

// A window's title-bar and task-switcher icons, owned here and released when replaced.
class WindowIcons {
 public:
  // Gives the window the icon group at both system sizes. False, and nothing changed, when
  // the group does not exist.
  bool Apply(HWND window, HINSTANCE instance, const std::wstring& name);
  HICON Big() const { return big_.Get(); }
  HICON Small() const { return small_.Get(); }

 private:
  ScopedIcon big_;
  ScopedIcon small_;
};

// Registers a window class that behaves as a dialog, for dialog templates that name their own
// class (so that the programs' windows are told apart from message boxes).
void RegisterDialogClass(HINSTANCE instance, const wchar_t* className);
// Registers a window class of the programs' own: the arrow cursor, the dialog background, the
// given procedure and bytes of window data.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* className, WNDPROC procedure, int extraBytes = 0);

} // namespace qvx
