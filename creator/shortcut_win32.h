#pragma once
// The Start-menu shortcut of a new instance.
#include <string>

namespace qvx::creator {

// Puts a shortcut to the instance's executable into the "Quorvex" group of the user's
// Start-menu Programs folder, named after the instance directory (Site2.lnk), replacing one of
// that name. The group is made when it is missing. Nothing is reported: a failure leaves the
// instance without its shortcut, and without a Programs folder none is made.
void AddInstanceShortcut(const std::wstring& instanceExe);

} // namespace qvx::creator
