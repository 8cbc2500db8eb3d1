#pragma once
// What the settings dialog needs of the window that opens it.
#include <windows.h>

#include "main/startup/shared_state.h"

namespace qvx {

class SettingsHost {
 public:
  virtual HWND Window() const = 0;  // the owner of the dialog (the About window)
  virtual HINSTANCE ModuleInstance() const = 0;
  virtual SharedState& State() = 0;
  // Gives the owner the icon named by State().TrayIconName.
  virtual void ApplyTrayIcon() = 0;

 protected:
  ~SettingsHost() = default;
};

} // namespace qvx
