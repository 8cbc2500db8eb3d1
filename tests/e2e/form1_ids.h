#pragma once
// Former names of the main window's menu identifiers, for scenarios not yet moved to main_window_ids.h.
#include "main_window_ids.h"
#define IDM_mnuAbout IDM_TRAY_ABOUT
#define IDM_mnuExit IDM_TRAY_EXIT
