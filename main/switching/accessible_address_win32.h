#pragma once
// A modern browser window's address, read through its accessibility tree (MSAA).
#include <windows.h>

#include "main/switching/window_tree_win32.h"

namespace qvx {

// Asks the window for its accessible client object and finds the address field in it, along
// the remembered path first. Unreadable when the window does not hand out its object (it
// answers 0 twice, is hung, does not answer in time or refuses), or when the read was stopped
// or a call failed before the tree was searched to its end. Blocks while the browser answers:
// call it off the user-interface thread, with COM initialised.
FieldSearch ReadAccessibleAddress(HWND window, const FieldPath& remembered, const ReadLimits& limits);

} // namespace qvx
