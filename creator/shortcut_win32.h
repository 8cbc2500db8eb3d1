#pragma once
// The Start-menu shortcut of a new instance.
#include <windows.h>

#include <string>

namespace qvx::creator {

// Puts a shortcut to the instance's executable PathToCreate into the "Quorvex" group of the
// user's Start-menu Programs folder, named after the instance directory (Site2.lnk), replacing
// one of that name. The group is made when it is missing. Nothing is reported: a failure
// leaves the instance without its shortcut, and without a Programs folder none is made.
void CreateStartupFolderShortcut(HWND owner, const std::wstring& PathToCreate);

// The group folder: the Programs folder + "\Quorvex"; empty when there is no Programs folder.
std::wstring ShortcutGroupFolder(HWND owner);

} // namespace qvx::creator
