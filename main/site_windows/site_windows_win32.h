#pragma once
// The "Quorvex Site Windows" window: every browser window on the screen, what the program read
// from it and whether "Toggle Between" counts it, with a report to copy. Modeless and one at a
// time; it reads off the user-interface thread, as a press does, and keeps nothing once closed.
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "common/dialog_win32.h"
#include "common/message_loop_win32.h"
#include "common/window_icons_win32.h"
#include "main/site_windows/site_view.h"
#include "main/switching/site_switcher_win32.h"

namespace qvx {

class SiteWindowsView : public DialogWindow {
 public:
  // `programVersion` is the program's version line, for the report.
  SiteWindowsView(HINSTANCE instance, ModelessDialogs& dialogs, SiteSwitcher& switcher, std::wstring programVersion)
      : instance_(instance), dialogs_(dialogs), switcher_(switcher), programVersion_(std::move(programVersion)) {}
  ~SiteWindowsView();

  // Opens the window for the site as it is now and reads the windows, or brings the open
  // window forward.
  void Open(const SiteValues& site);

 protected:
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void Refresh();
  void TakeEndedReads();
  void ShowRows();
  void CopyReport();
  void Layout();
  void Close();

  HINSTANCE instance_;
  ModelessDialogs& dialogs_;
  SiteSwitcher& switcher_;
  const std::wstring programVersion_;
  SiteValues site_;
  std::vector<SiteWindowRow> rows_;
  std::vector<std::size_t> candidateRows_;  // the row of each candidate being read
  std::vector<std::size_t> tabRows_;        // the row of each window whose tabs are looked at
  std::shared_ptr<PressReads> reads_;
  std::shared_ptr<TabSearch> tabs_;
  WindowIcons icons_;
};

} // namespace qvx
