#pragma once
// The program as one object, made in WinMain: it owns the program's state and its parts and
// hands each part what it needs.
#include <windows.h>

#include "version.h"
#include "common/message_loop_win32.h"
#include "main/app/main_window_win32.h"
#include "main/app/version_text.h"
#include "main/desktop/information_form_win32.h"
#include "main/settings/settings_files_win32.h"
#include "main/settings/settings_record.h"
#include "main/settings_dialog/settings_dialog_win32.h"
#include "main/site_windows/site_windows_win32.h"
#include "main/switching/site_switcher_win32.h"

namespace qvx {

class Application {
 public:
  explicit Application(HINSTANCE instance) : instance_(instance) {}
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  // The per-directory instance guard, then the main window's start-up, then the message loop.
  // Returns the process exit code.
  int Run();

 private:
  HINSTANCE instance_;
  // Declared in the order they are needed; destroyed in reverse, the windows first.
  ProgramSettings settings_ = SettingsInProgramDirectory();
  ModelessDialogs dialogs_;
  SiteSwitcher switcher_;
  SiteWindowsView siteWindows_{instance_, dialogs_, switcher_,
                               VersionLine(QVX_VERSION_MAJOR, QVX_VERSION_MINOR, QVX_VERSION_REVISION)};
  SettingsDialogOpener settingsDialog_;
  InformationForm informationForm_{dialogs_};
  MainWindow mainWindow_{instance_, {settings_, switcher_, siteWindows_, settingsDialog_, informationForm_, dialogs_}};
};

} // namespace qvx
