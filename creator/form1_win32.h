#pragma once
// Form1: the creator window. It makes numbered instances of the main program beside the
// master directory ("Create") and gives every instance the master's newest version
// ("Update All Instances"), reporting one line per instance directory in its list.
#include <windows.h>

#include <string>
#include <vector>

#include "common/window_icons_win32.h"

namespace qvx::creator {

class Form1 {
 public:
  explicit Form1(HINSTANCE instance) : instance_(instance) {}
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;
  ~Form1();

  // Shows the window modally and returns when it is closed; when another creator is running,
  // brings that one to the front, says so and returns at once.
  void Show();

 private:
  static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  INT_PTR HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  bool AnotherInstance();
  void Form_Load();
  void VScroll1_Scroll(int code, int thumbPosition);
  void VScroll1_Change();
  void Command1_Click();
  void Command2_Click();
  void GetTheFile();
  void Msgbox_Yes_No_DeleteFiles();
  void NewInstance();
  void UpdateTheExe();

  std::wstring MasterDirectoryPath() const;
  void ClearReport();
  void Report(const std::wstring& line);
  int Ask(const std::wstring& text, const std::wstring& title, UINT flags);

  HINSTANCE instance_;
  HWND hwnd_ = nullptr;
  HANDLE runningMutex_ = nullptr;
  WindowIcons icons_;
  int VScroll1_Value_ = 1;  // 1 to 5; the up arrow raises it
  int reportWidth_ = 0;     // the widest report line, in pixels, for horizontal scrolling

  std::wstring ExeName_;                 // the newest executable name of the last search
  std::wstring MasterExePath_;           // its full path in the master directory; empty when none
  std::vector<std::wstring> List2_;      // the executable names found there, in ascending version
};

} // namespace qvx::creator
