#include "creator/creator_window_win32.h"


#include "common/decimal.h"
#include "common/fs_win32.h"
#include "common/message_box_win32.h"
#include "common/paths.h"
#include "common/scroll_value.h"
#include "creator/creator_texts.h"
#include "creator/instance_files_win32.h"
#include "creator/instance_layout.h"
#include "creator/shortcut_win32.h"
#include "creator_window_ids.h"

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
} // namespace

void CreatorWindow::Run() {
  if (ActivateRunningCreator()) {
    ShowMessage(nullptr, kAlreadyRunningMessage, kMessageTitle, MB_OK | MB_ICONINFORMATION);
    return;
  }
  RegisterDialogClass(instance_, QVX_CREATOR_WINDOW_CLASS);
  DialogBoxParamW(instance_, MAKEINTRESOURCEW(IDD_CREATOR), nullptr, Procedure, reinterpret_cast<LPARAM>(this));
}

bool CreatorWindow::ActivateRunningCreator() {
  runningMutex_.Reset(CreateMutexW(nullptr, FALSE, kRunningMutexName));
  if (!runningMutex_ || GetLastError() != ERROR_ALREADY_EXISTS) return false;
  if (HWND first = FindWindowW(QVX_CREATOR_WINDOW_CLASS, kWindowCaption)) {
    if (IsIconic(first)) ShowWindow(first, SW_RESTORE);
    SetForegroundWindow(GetLastActivePopup(first));
  }
  return true;
}

INT_PTR CreatorWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG:
      Initialise();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_CREATE: RunAction(&CreatorWindow::CreateInstances); return TRUE;
        case IDC_UPDATE_ALL: RunAction(&CreatorWindow::UpdateAllInstances); return TRUE;
        case IDCANCEL:  // the close box, Escape, WM_CLOSE
          if (!actionRunning_) {
            EndDialog(Handle(), 0);
          } else {
            endRequested_ = true;
            CloseShownMessageBox();
          }
          return TRUE;
      }
      return FALSE;
    case WM_VSCROLL:
      if (reinterpret_cast<HWND>(lParam) != GetDlgItem(Handle(), IDC_INSTANCE_COUNT_SCROLL)) return FALSE;
      OnCountScroll(LOWORD(wParam), HIWORD(wParam));
      return TRUE;
  }
  return FALSE;
}

void CreatorWindow::Initialise() {
  icons_.Apply(Handle(), instance_, L"FORMICON");
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_POS;
  info.nMin = kScrollLowest;
  info.nMax = kScrollHighest;
  info.nPos = ScrollPositionOf(instanceCount_);
  SetScrollInfo(GetDlgItem(Handle(), IDC_INSTANCE_COUNT_SCROLL), SB_CTL, &info, TRUE);
  SetDlgItemTextW(Handle(), IDC_INSTANCE_COUNT, DecimalText(instanceCount_).c_str());
  CentreOnMonitor(Handle());
}

void CreatorWindow::OnCountScroll(int code, int thumbPosition) {
  // The bar stands upside down: its top is the highest count.
  const auto position = ScrollValue(ScrollPositionOf(instanceCount_), code, thumbPosition, kScrollLowest, kScrollHighest);
  if (!position) return;
  instanceCount_ = NumberAt(*position);
  SetScrollPos(GetDlgItem(Handle(), IDC_INSTANCE_COUNT_SCROLL), SB_CTL, *position, TRUE);
  SetDlgItemTextW(Handle(), IDC_INSTANCE_COUNT, DecimalText(instanceCount_).c_str());
}

// A button's command can also arrive while a message box of a running action is up (another
// program sending it): the modal loop of the box dispatches it here. Running a second action
// then would stack a box on the first; the command is ignored instead.
void CreatorWindow::RunAction(void (CreatorWindow::*action)()) {
  if (actionRunning_) return;
  actionRunning_ = true;
  (this->*action)();
  actionRunning_ = false;
  if (endRequested_) EndDialog(Handle(), 0);
}

void CreatorWindow::CreateInstances() {
  const auto programs = FindMasterPrograms();
  if (endRequested_) return;
  if (programs.empty()) {
    ShowOwnedMessage(kCannotFindExeMessage, kMessageTitle, MB_OK | MB_ICONEXCLAMATION);
    return;
  }
  CreateRequestedInstances(programs.back());
}

std::wstring CreatorWindow::MasterDirectoryPath() const { return MasterDirectory(ProgramDirectory()); }

std::vector<std::wstring> CreatorWindow::FindMasterPrograms() {
  // One listing of the master directory instead of a probe per possible version.
  auto programs = ExeVersionsInOrder(ListDirectory(MasterDirectoryPath()));
  if (programs.size() > 1) OfferToDeleteOlderVersions(programs);
  return programs;
}

void CreatorWindow::OfferToDeleteOlderVersions(const std::vector<std::wstring>& programs) {
  if (ShowOwnedMessage(kDeleteOlderVersionsQuestion, kMessageTitle, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) return;
  const std::wstring master = MasterDirectoryPath();
  for (size_t i = 0; i + 1 < programs.size(); ++i) {
    if (DeleteProgramFile(JoinPath(master, programs[i])) != DeleteResult::InUse) continue;
    ShowOwnedMessage(kCouldNotDeleteMessage, kMessageTitle, MB_OK | MB_ICONERROR);
    if (endRequested_) return;
  }
}

void CreatorWindow::CreateRequestedInstances(const std::wstring& newestProgram) {
  ClearReport();
  const std::wstring master = MasterDirectoryPath();
  const std::wstring masterProgram = JoinPath(master, newestProgram);
  const long requested = InstancesRequested(ControlText(Handle(), IDC_INSTANCE_COUNT));
  for (long made = 0; made < requested; ++made) {
    const auto digit =
        LowestFreeDigit([&](int d) { return DirectoryExists(InstanceDirectory(master, d)); }, kHighestCreatedDigit);
    if (!digit) {
      ShowOwnedMessage(kSixInstancesMessage, kApplicationTitle, MB_OK);
      return;
    }
    const std::wstring directory = InstanceDirectory(master, *digit);
    if (!MakeInstance(directory, masterProgram, newestProgram)) {
      Report(ReportLine(ReportKind::NotCreated, directory));
      return;
    }
    Report(ReportLine(ReportKind::Created, directory));
    AddInstanceShortcut(JoinPath(directory, newestProgram));
  }
}

void CreatorWindow::UpdateAllInstances() {
  ClearReport();
  const std::wstring master = MasterDirectoryPath();
  bool found = false;
  for (int digit = 1; digit <= kHighestUpdatedDigit; ++digit) {
    const std::wstring directory = InstanceDirectory(master, digit);
    if (!DirectoryExists(directory)) continue;
    found = true;
    // The master's newest version is looked for before the instance is touched: without
    // one, no instance loses its program.
    const auto programs = FindMasterPrograms();
    if (endRequested_) return;
    if (programs.empty()) {
      ShowOwnedMessage(kCannotFindExeMessage, kMessageTitle, MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    const auto result = ReplaceInstanceProgram(directory, JoinPath(master, programs.back()), programs.back());
    if (result.notDeleted.empty()) Report(ReportLine(result.outcome, directory));
    for (const auto& file : result.notDeleted) Report(ReportLine(ReportKind::NotDeleted, file));
  }
  if (!found) Report(kNoInstancesToUpdateLine);
}

void CreatorWindow::ClearReport() {
  const HWND list = GetDlgItem(Handle(), IDC_REPORT);
  SendMessageW(list, LB_RESETCONTENT, 0, 0);
  reportWidth_ = 0;
  SendMessageW(list, LB_SETHORIZONTALEXTENT, 0, 0);
}

void CreatorWindow::Report(const std::wstring& line) {
  const HWND list = GetDlgItem(Handle(), IDC_REPORT);
  SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
  // Long paths scroll sideways instead of being cut off.
  SIZE size{};
  {
    ScopedGetDc dc(list);
    if (!dc.Get()) return;
    ScopedSelect font(dc.Get(), reinterpret_cast<HGDIOBJ>(SendMessageW(list, WM_GETFONT, 0, 0)));
    GetTextExtentPoint32W(dc.Get(), line.c_str(), static_cast<int>(line.size()), &size);
  }
  if (size.cx + 8 > reportWidth_) {
    reportWidth_ = size.cx + 8;
    SendMessageW(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(reportWidth_), 0);
  }
  UpdateWindow(list);
}

int CreatorWindow::ShowOwnedMessage(const std::wstring& text, const std::wstring& title, UINT flags) {
  if (endRequested_) return IDCANCEL;
  const int answer = ShowMessage(Handle(), text, title, flags);
  return endRequested_ ? IDCANCEL : answer;
}

// A message box is a dialog of this thread owned by the window; EndDialog makes its
// MessageBoxW call return.
void CreatorWindow::CloseShownMessageBox() const {
  struct Search {
    HWND owner;
    HWND box = nullptr;
  } search{Handle()};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* s = reinterpret_cast<Search*>(param);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        if (GetWindow(window, GW_OWNER) != s->owner || lstrcmpW(className, L"#32770") != 0) return TRUE;
        s->box = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  if (search.box) EndDialog(search.box, IDCANCEL);
}

} // namespace qvx::creator
