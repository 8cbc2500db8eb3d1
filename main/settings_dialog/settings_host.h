#pragma once
// What the settings dialog needs of the window that opens it.
#include <windows.h>

#include "main/settings/settings_record.h"

namespace qvx {

class SettingsHost {
 public:
  virtual HWND Window() const = 0;  // the owner of the dialog (the About window)
  virtual HINSTANCE ModuleInstance() const = 0;
  virtual ProgramSettings& Settings() = 0;
  // Gives the About window the icon named by Settings().trayIconName.
  virtual void SetAboutWindowIcon() = 0;

 protected:
  ~SettingsHost() = default;
};

} // namespace qvx
