#pragma once
// A modern browser window's address, read through its accessibility tree (MSAA).
#include <windows.h>

#include "main/switching/window_walk.h"

namespace qvx {

// Asks the window for its accessible client object and searches it for the address field.
// Unreadable when the window does not hand out its object (it answers 0 twice, is hung, does not
// answer in time or refuses). Blocks while the browser answers: call it off the user-interface
// thread. Initialises COM for the calling thread for the time of the read.
AddressRead ReadAccessibleAddress(HWND window);

} // namespace qvx
