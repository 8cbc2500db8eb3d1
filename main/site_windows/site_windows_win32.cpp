#include "main/site_windows/site_windows_win32.h"

#include <algorithm>

#include "site_windows_ids.h"
#include "common/common_controls_win32.h"
#include "main/switching/address_reads_win32.h"
#include "main/switching/window_walk_win32.h"

namespace qvx {

namespace {
// "A read ended, or the reads' time is up: look at them." It carries nothing.
constexpr UINT kReadEnded = WM_APP + 20;
constexpr UINT_PTR kDeadlineTimer = 1;

constexpr const wchar_t* kColumns[] = {L"Browser", L"Title", L"Address", L"Counts"};
constexpr int kColumnShares[] = {18, 30, 28, 24};  // percent of the list's width

// The program's file name (not its folder, which may name the user) where the process can be asked.
std::wstring ProgramFile(std::uint32_t processId) {
  const HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
  if (!process) return {};
  wchar_t path[MAX_PATH * 2];
  DWORD length = static_cast<DWORD>(std::size(path));
  std::wstring file;
  if (QueryFullProcessImageNameW(process, 0, path, &length)) {
    file.assign(path, length);
    file.erase(0, file.find_last_of(L'\\') + 1);
  }
  CloseHandle(process);
  return file;
}

std::wstring WindowsVersion() {
  // GetVersionEx answers what the manifest claims; the kernel tells the truth.
  using GetVersion = LONG(WINAPI*)(OSVERSIONINFOW*);
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
  const auto get = ntdll ? reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")))
                         : nullptr;
  if (!get || get(&info) != 0) return L"unknown";
  return std::to_wstring(info.dwMajorVersion) + L"." + std::to_wstring(info.dwMinorVersion) + L"." +
         std::to_wstring(info.dwBuildNumber);
}

bool PutOnClipboard(HWND owner, const std::wstring& text) {
  const std::size_t bytes = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
  if (!memory) return false;
  if (void* data = GlobalLock(memory)) {
    std::copy(text.c_str(), text.c_str() + text.size() + 1, static_cast<wchar_t*>(data));
    GlobalUnlock(memory);
  }
  if (!OpenClipboard(owner)) return GlobalFree(memory), false;
  EmptyClipboard();
  const bool placed = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  CloseClipboard();
  if (!placed) GlobalFree(memory);  // the clipboard owns it only once placed
  return placed;
}

// Places a control in dialog units from the client area's edges: left and top from the
// left and top edge, right and bottom from the right and bottom edge when negative.
void Place(HWND dialog, int id, RECT units, SIZE client) {
  MapDialogRect(dialog, &units);
  const int right = units.right <= 0 ? client.cx + units.right : units.right;
  const int bottom = units.bottom <= 0 ? client.cy + units.bottom : units.bottom;
  const int top = units.top < 0 ? client.cy + units.top : units.top;
  const int left = units.left < 0 ? client.cx + units.left : units.left;
  SetWindowPos(GetDlgItem(dialog, id), nullptr, left, top, std::max(right - left, 0), std::max(bottom - top, 0),
               SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

SiteWindowsView::~SiteWindowsView() {
  if (reads_) AddressReaders::Stop(*reads_);
  if (tabs_) AddressReaders::Stop(*tabs_);
  if (Handle()) {
    dialogs_.Remove(Handle());
    DestroyWindow(Handle());
  }
}

void SiteWindowsView::Open(const SiteValues& site) {
  if (Handle()) {
    if (IsIconic(Handle())) ShowWindow(Handle(), SW_RESTORE);
    SetForegroundWindow(Handle());
    return;
  }
  site_ = site;
  LoadCommonControls(ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES);
  if (!CreateDialogParamW(instance_, MAKEINTRESOURCEW(IDD_SITE_WINDOWS), nullptr, Procedure,
                          reinterpret_cast<LPARAM>(this))) {
    return;
  }
  dialogs_.Add(Handle());
  icons_.Apply(Handle(), instance_, L"APPICON");
  ShowWindow(Handle(), SW_SHOWNORMAL);
  SetForegroundWindow(Handle());
  Refresh();
}

void SiteWindowsView::Refresh() {
  if (reads_) AddressReaders::Stop(*reads_);
  if (tabs_) AddressReaders::Stop(*tabs_);
  std::vector<BrowserWindow> windows = BrowserWindowsOnScreen();
  std::sort(windows.begin(), windows.end(), [](const auto& a, const auto& b) { return a.window < b.window; });
  const BrowserWindows selected = SelectCandidates(windows, site_.browserTextKeyword);
  rows_.clear();
  candidateRows_.clear();
  tabRows_.clear();
  std::vector<Candidate> tabWindows;
  for (const BrowserWindow& window : windows) {
    if (window.family == BrowserFamily::Modern) {
      tabRows_.push_back(rows_.size());
      tabWindows.push_back({window.window, window.family, window.process});
    }
    SiteWindowRow row{window.window, window.family, window.process.windowClass, ProgramFile(window.process.processId),
                      window.title};
    row.titleMatches = !window.title.empty() && TitleMatches(window.title, site_.browserTextKeyword);
    row.reading = row.titleMatches;
    if (row.titleMatches) candidateRows_.push_back(rows_.size());
    rows_.push_back(std::move(row));
  }
  reads_ = switcher_.ReadLikeAPress(selected, Handle(), kReadEnded);
  tabs_ = switcher_.LookForSiteTabs(std::move(tabWindows), site_.browserTextKeyword, Handle(), kReadEnded);
  SetTimer(Handle(), kDeadlineTimer, static_cast<UINT>(reads_->Deadline() - std::min(reads_->Deadline(), GetTickCount64())),
           nullptr);
  TakeEndedReads();
}

void SiteWindowsView::TakeEndedReads() {
  if (tabs_ && (tabs_->Finished() || GetTickCount64() >= tabs_->Deadline())) {
    const std::vector<std::wstring> found = tabs_->SiteTabs();
    for (std::size_t i = 0; i < found.size() && i < tabRows_.size(); ++i) rows_[tabRows_[i]].backgroundTab = found[i];
    AddressReaders::Stop(*tabs_);
    tabs_.reset();
  }
  if (!reads_) return ShowRows();
  const bool overdue = GetTickCount64() >= reads_->Deadline();
  const std::vector<std::optional<FieldSearch>> ended = reads_->Ended();
  for (std::size_t i = 0; i < ended.size() && i < candidateRows_.size(); ++i) {
    SiteWindowRow& row = rows_[candidateRows_[i]];
    if (!row.reading) continue;
    // Past the deadline a read still running counts as unread, as it does for a press.
    if (ended[i] || overdue) {
      row.search = ended[i].value_or(FieldSearch{});
      row.reading = false;
    }
  }
  if (overdue || reads_->AllFinished()) {
    if (!tabs_) KillTimer(Handle(), kDeadlineTimer);
    AddressReaders::Stop(*reads_);
    reads_.reset();
  }
  ShowRows();
}

void SiteWindowsView::ShowRows() {
  const HWND list = GetDlgItem(Handle(), IDC_SITE_WINDOWS_LIST);
  SendMessageW(list, WM_SETREDRAW, FALSE, 0);
  const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
  ListView_DeleteAllItems(list);
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    RowTexts texts = DescribeRow(rows_[i], site_);
    std::wstring* columns[] = {&texts.browser, &texts.title, &texts.address, &texts.counts};
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(i);
    item.pszText = columns[0]->data();
    ListView_InsertItem(list, &item);
    for (int column = 1; column < 4; ++column) ListView_SetItemText(list, static_cast<int>(i), column, columns[column]->data());
  }
  if (selected >= 0) ListView_SetItemState(list, selected, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  SetDlgItemTextW(Handle(), IDC_SITE_HINT, HintLine(rows_, site_).c_str());
}

void SiteWindowsView::CopyReport() {
  const ReportHeader header{programVersion_, WindowsVersion()};
  if (!PutOnClipboard(Handle(), ComposeReport(header, site_, rows_))) MessageBeep(MB_ICONWARNING);
}

void SiteWindowsView::Layout() {
  RECT client{};
  GetClientRect(Handle(), &client);
  const SIZE size{client.right, client.bottom};
  for (int id : {IDC_SITE_KEYWORD, IDC_SITE_URL_KEYWORD, IDC_SITE_LAUNCH_URL}) {
    const int row = (id - IDC_SITE_KEYWORD) / 2;
    Place(Handle(), id, {90, 7 + 12 * row, -7, 18 + 12 * row}, size);
  }
  Place(Handle(), IDC_SITE_WINDOWS_LABEL, {7, 46, -7, 56}, size);
  Place(Handle(), IDC_SITE_WINDOWS_LIST, {7, 57, -7, -49}, size);
  Place(Handle(), IDC_SITE_HINT, {7, -45, -7, -25}, size);
  Place(Handle(), IDC_SITE_REFRESH, {-193, -23, -133, -7}, size);
  Place(Handle(), IDC_SITE_COPY_REPORT, {-130, -23, -70, -7}, size);
  Place(Handle(), IDCANCEL, {-67, -23, -7, -7}, size);
  const HWND list = GetDlgItem(Handle(), IDC_SITE_WINDOWS_LIST);
  RECT inside{};
  GetClientRect(list, &inside);
  const int width = std::max<int>(inside.right - GetSystemMetrics(SM_CXVSCROLL), 100);
  for (int column = 0; column < 4; ++column) ListView_SetColumnWidth(list, column, width * kColumnShares[column] / 100);
  InvalidateRect(Handle(), nullptr, TRUE);
}

void SiteWindowsView::Close() {
  if (reads_) AddressReaders::Stop(*reads_);
  if (tabs_) AddressReaders::Stop(*tabs_);
  reads_.reset();
  tabs_.reset();
  rows_.clear();
  dialogs_.Remove(Handle());
  DestroyWindow(Handle());
}

INT_PTR SiteWindowsView::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_INITDIALOG: {
      SetDlgItemTextW(Handle(), IDC_SITE_KEYWORD, site_.browserTextKeyword.c_str());
      SetDlgItemTextW(Handle(), IDC_SITE_URL_KEYWORD, site_.urlKeyword.c_str());
      SetDlgItemTextW(Handle(), IDC_SITE_LAUNCH_URL, site_.launchUrl.c_str());
      const HWND list = GetDlgItem(Handle(), IDC_SITE_WINDOWS_LIST);
      ListView_SetExtendedListViewStyle(list, LVS_EX_FULLROWSELECT | LVS_EX_LABELTIP | LVS_EX_DOUBLEBUFFER);
      for (int column = 0; column < 4; ++column) {
        LVCOLUMNW header{};
        header.mask = LVCF_TEXT | LVCF_WIDTH;
        header.pszText = const_cast<wchar_t*>(kColumns[column]);
        header.cx = 100;
        ListView_InsertColumn(list, column, &header);
      }
      Layout();
      return TRUE;
    }
    case WM_SIZE:
      Layout();
      return TRUE;
    case WM_GETMINMAXINFO: {
      RECT smallest{0, 0, 300, 160};  // dialog units
      if (Handle()) MapDialogRect(Handle(), &smallest);
      auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
      limits->ptMinTrackSize = {smallest.right, smallest.bottom};
      return TRUE;
    }
    case WM_TIMER:
      if (wParam == kDeadlineTimer) TakeEndedReads();
      return TRUE;
    case kReadEnded:
      TakeEndedReads();
      return TRUE;
    case WM_COMMAND:
      switch (LOWORD(wParam)) {
        case IDC_SITE_REFRESH: Refresh(); return TRUE;
        case IDC_SITE_COPY_REPORT: CopyReport(); return TRUE;
        case IDCANCEL: Close(); return TRUE;
      }
      return FALSE;
    case WM_CLOSE:
      Close();
      return TRUE;
  }
  return FALSE;
}

} // namespace qvx
