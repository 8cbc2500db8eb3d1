#include <windows.h>

#include "main/app/application_win32.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  qvx::Application application(instance);
  return application.Run();
}
