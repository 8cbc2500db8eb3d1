#include <windows.h>

#include "main/startup/main_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) { return qvx::Main(instance); }
