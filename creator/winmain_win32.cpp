#include <windows.h>

#include "creator/main_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return qvx::creator::Main(instance); }
