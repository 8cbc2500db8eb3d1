#include "creator/form1_win32.h"

#include <algorithm>

#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/window_icons_win32.h"
#include "common/paths.h"
#include "creator/creator_texts.h"
#include "creator/instance_files_win32.h"
#include "creator/instance_layout.h"
#include "creator/shortcut_win32.h"
#include "creator_form1_ids.h"

namespace qvx::creator {

namespace {
// Held by the running creator; a second one finds it taken.
constexpr wchar_t kRunningMutexName[] = L"QuorvexMultiInstanceCreator";

// The scroll bar runs from 1 at the top to 5 at the bottom while the number runs the other
// way: the up arrow raises the number.
constexpr int kScrollLowest = 1;
constexpr int kScrollHighest = kHighestCreatedDigit;
int ScrollPositionOf(int number) { return kScrollLowest + kScrollHighest - number; }
int NumberAt(int position) { return kScrollLowest + kScrollHighest - position; }

std::wstring WindowText(HWND hwnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
  return text;
}
} // namespace

Form1::~Form1() {
  if (runningMutex_) CloseHandle(runningMutex_);
}

void Form1::Show() {
  if (AnotherInstance()) {
    ShowMessage(nullptr, kAlreadyRunningMessage, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    return;
  }
  RegisterDialogClass(instance_, QVX_CREATOR_FORM1_CLASS);
  DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_CreatorForm1), nullptr, DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Form1::AnotherInstance() {
  runningMutex_ = CreateMutexW(nullptr, FALSE, kRunningMutexName);
  if (!runningMutex_ || GetLastError() != ERROR_ALREADY_EXISTS) return false;
  // The first creator's window, or the message box it is showing, comes to the front.
  if (HWND first = FindWindowW(QVX_CREATOR_FORM1_CLASS, kFormCaption)) {
    if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(first));
  }
  return true;
}

INT_PTR CALLBACK Form1::DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_INITDIALOG) {
    auto* form = reinterpret_cast<Form1*>(lParam);
    SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
    form->hwnd_ = hwnd;
    form->Form_Load();
    return TRUE;
  }
  auto* form = reinterpret_cast<Form1*>(GetWindowLongPtrW(hwnd, DWLP_USER));
  return form ? form->HandleMessage(msg, wParam, lParam) : FALSE;
}

INT_PTR Form1::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_Command1: Command1_Click(); return TRUE;
        case IDC_Command2: Command2_Click(); return TRUE;
        case IDCANCEL: EndDialog(hwnd_, 0); return TRUE;  // the close box and Escape
      }
      return FALSE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) == GetDlgItem(hwnd_, IDC_VScroll1)) {
        VScroll1_Scroll(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
      }
      return FALSE;
  }
  return FALSE;
}

void Form1::Form_Load() {
  icons_.Apply(hwnd_, instance_, L"FORMICON");

  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  info.nMin = kScrollLowest;
  info.nMax = kScrollHighest;
  info.nPos = ScrollPositionOf(VScroll1_Value_);
  SetScrollInfo(GetDlgItem(hwnd_, IDC_VScroll1), SB_CTL, &info, TRUE);
  SetDlgItemTextW(hwnd_, IDC_Text1, std::to_wstring(VScroll1_Value_).c_str());

  RECT window;
  GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  SetWindowPos(hwnd_, nullptr, GetSystemMetrics(SM_CXSCREEN) / 2 - width / 2,
               GetSystemMetrics(SM_CYSCREEN) / 2 - height / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

void Form1::VScroll1_Scroll(int code, int thumbPosition) {
  int number = VScroll1_Value_;
  switch (code) {
    case SB_LINEUP: case SB_PAGEUP: ++number; break;
    case SB_LINEDOWN: case SB_PAGEDOWN: --number; break;
    case SB_TOP: number = kScrollHighest; break;
    case SB_BOTTOM: number = kScrollLowest; break;
    case SB_THUMBTRACK: case SB_THUMBPOSITION: number = NumberAt(thumbPosition); break;
    default: return;
  }
  number = std::clamp(number, kScrollLowest, kScrollHighest);
  if (number == VScroll1_Value_) return;
  VScroll1_Value_ = number;
  SetScrollPos(GetDlgItem(hwnd_, IDC_VScroll1), SB_CTL, ScrollPositionOf(number), TRUE);
  VScroll1_Change();
}

void Form1::VScroll1_Change() { SetDlgItemTextW(hwnd_, IDC_Text1, std::to_wstring(VScroll1_Value_).c_str()); }

void Form1::Command1_Click() {
  GetTheFile();
  if (!MasterExePath_.empty()) {
    NewInstance();
  } else {
    Ask(kCannotFindExeMessage, kMessageTitle, MB_OK | MB_ICONEXCLAMATION);
  }
}

void Form1::Command2_Click() { UpdateTheExe(); }

std::wstring Form1::MasterDirectoryPath() const { return MasterDirectory(ProgramDirectory()); }

void Form1::GetTheFile() {
  // One listing of the master directory instead of a probe per possible version.
  const std::wstring master = MasterDirectoryPath();
  List2_ = ExeVersionsInOrder(ListDirectory(master));
  if (List2_.empty()) {
    MasterExePath_.clear();
    return;
  }
  ExeName_ = List2_.back();
  MasterExePath_ = JoinPath(master, ExeName_);
  if (List2_.size() > 1) Msgbox_Yes_No_DeleteFiles();
}

void Form1::Msgbox_Yes_No_DeleteFiles() {
  if (Ask(kDeleteOlderVersionsQuestion, kMessageTitle, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  const std::wstring master = MasterDirectoryPath();
  for (size_t i = 0; i + 1 < List2_.size(); ++i) {
    if (DeleteProgramFile(JoinPath(master, List2_[i])) == DeleteResult::InUse) {
      Ask(kCouldNotDeleteMessage, kMessageTitle, MB_OK | MB_ICONERROR);
    }
  }
}

void Form1::NewInstance() {
  ClearReport();
  const std::wstring master = MasterDirectoryPath();
  const long requested = InstancesRequested(WindowText(GetDlgItem(hwnd_, IDC_Text1)));
  for (long made = 0; made < requested; ++made) {
    const auto digit =
        LowestFreeDigit([&](int d) { return bDirExists(InstanceDirectory(master, d)); }, kHighestCreatedDigit);
    if (!digit) {
      Ask(kSixInstancesMessage, kApplicationTitle, MB_OK);
      return;
    }
    const std::wstring directory = InstanceDirectory(master, *digit);
    if (!MakeInstance(directory, MasterExePath_, List2_.back())) {
      Report(ReportLine(ReportKind::NotCreated, directory));
      return;
    }
    Report(ReportLine(ReportKind::Created, directory));
    CreateStartupFolderShortcut(hwnd_, JoinPath(directory, List2_.back()));
  }
}

void Form1::UpdateTheExe() {
  ClearReport();
  const std::wstring master = MasterDirectoryPath();
  bool found = false;
  for (int digit = 1; digit <= kHighestUpdatedDigit; ++digit) {
    const std::wstring directory = InstanceDirectory(master, digit);
    if (!bDirExists(directory)) continue;
    found = true;
    // The master's newest version is looked for before the instance is touched: without
    // one, no instance loses its program.
    GetTheFile();
    if (MasterExePath_.empty()) {
      Ask(kCannotFindExeMessage, kMessageTitle, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    Report(ReportLine(ReplaceInstanceProgram(directory, MasterExePath_, List2_.back()), directory));
  }
  if (!found) Report(kNoInstancesToUpdateLine);
}

void Form1::ClearReport() {
  const HWND list = GetDlgItem(hwnd_, IDC_List1);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  reportWidth_ = 0;
  SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
}

void Form1::Report(const std::wstring& line) {
  const HWND list = GetDlgItem(hwnd_, IDC_List1);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  // Long paths scroll sideways instead of being cut off.
  if (HDC dc = GetDC(list)) {
    const HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, line.c_str(), static_cast<int>(line.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    if (size.cx + 8 > reportWidth_) {
      reportWidth_ = size.cx + 8;
      SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(reportWidth_), 0);
    }
  }
  UpdateWindow(list);
}

int Form1::Ask(const std::wstring& text, const std::wstring& title, UINT flags) {
  return ShowMessage(hwnd_, text, title, flags);
}

} // namespace qvx::creator
