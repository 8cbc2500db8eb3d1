#pragma once
// The creator window. It makes numbered instances of the main program beside the master
// directory ("Create") and gives every instance the master's newest version ("Update All
// Instances"), reporting one line per instance directory in its list.
//
// Its message boxes are owned by the window and never nest: while an action runs (and so while
// one of its boxes is up), a further "Create" or "Update All Instances" is ignored, and a
// Cancel (the close box, Escape, or WM_CLOSE from another program) closes the box, stops the
// action and ends the window. The window is therefore either shown or gone.
#include <windows.h>

#include <string>
#include <vector>

#include "common/dialog_win32.h"
#include "common/scoped_win32.h"
#include "common/window_icons_win32.h"

namespace qvx::creator {

class CreatorWindow : public DialogWindow {
 public:
  explicit CreatorWindow(HINSTANCE instance) : instance_(instance) {}

  // Shows the window modally and returns when it is closed; when another creator is running,
  // brings that one to the front, says so and returns at once.
  void Run();

 private:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

  // True when another creator runs; its window (or the box it shows) comes to the front.
  bool ActivateRunningCreator();
  void Initialise();
  void OnCountScroll(int code, int thumbPosition);
  void RunAction(void (CreatorWindow::*action)());

  // The actions of the two buttons.
  void CreateInstances();
  void UpdateAllInstances();

  // The executable names in the master directory in ascending version; when there are several,
  // first offers to delete all but the newest.
  std::vector<std::wstring> FindMasterPrograms();
  void OfferToDeleteOlderVersions(const std::vector<std::wstring>& programs);
  void CreateRequestedInstances(const std::wstring& newestProgram);

  std::wstring MasterDirectoryPath() const;
  void ClearReport();
  void Report(const std::wstring& line);
  // A message box owned by the window. IDCANCEL when a Cancel ended it: the caller stops.
  int ShowOwnedMessage(const std::wstring& text, const std::wstring& title, UINT flags);
  void CloseShownMessageBox() const;

  HINSTANCE instance_;
  ScopedHandle runningMutex_;
  WindowIcons icons_;
  int instanceCount_ = 1;  // 1 to 5; the up arrow raises it
  int reportWidth_ = 0;    // the widest report line, in pixels, for horizontal scrolling
  bool actionRunning_ = false;
  bool endRequested_ = false;  // a Cancel came while an action ran
};

} // namespace qvx::creator
