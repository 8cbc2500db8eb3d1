#pragma once
// The settings dialog, opened modally from the About window's "Settings" button.
#include "main/settings_dialog/settings_host.h"

namespace qvx {

class SettingsDialogWindow;

// Opens the settings dialog, one at a time.
class SettingsDialogOpener {
 public:
  // Shows the dialog over host.Window() and returns when it is closed. Does nothing while a
  // dialog is already open.
  void ShowModal(SettingsHost& host);
  bool IsOpen() const { return open_ != nullptr; }
  // The end of the Windows session: saves what the open dialog holds as a close with its close
  // box would, without asking or telling the user anything, and closes it. Nothing happens when
  // no dialog is open.
  void SaveAndClose();

 private:
  SettingsDialogWindow* open_ = nullptr;
};

} // namespace qvx
