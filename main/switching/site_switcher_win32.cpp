#include "main/switching/site_switcher_win32.h"

#include <algorithm>
#include <vector>

#include "main/switching/address_reads_win32.h"
#include "main/switching/bring_forward_win32.h"
#include "main/switching/launch_win32.h"
#include "main/switching/window_walk_win32.h"

namespace qvx {

namespace {
constexpr wchar_t kMessageWindowClass[] = L"QuorvexSiteSwitcher";
// "A read ended: look at the press." It carries nothing: what a press acts on is its own state,
// so a message posted by another program cannot end a press early.
constexpr UINT kReadEnded = WM_APP + 1;
constexpr UINT_PTR kDeadlineTimer = 1;
// Reads end this long after the keystroke, so that the window is brought forward (or the URL
// opened) well within 2 s whatever the browsers do. A press that waited for the one before it
// still gets a short time to read.
constexpr ULONGLONG kReadBudgetMs = 1500;
constexpr ULONGLONG kShortestReadMs = 300;
// The first browser window of a launch takes a moment to appear: a press within this time of
// the last launch, with still no window of the site, does not open another.
constexpr ULONGLONG kRelaunchPauseMs = 3000;
// A background tab of the site is looked for until this long after the keystroke, and only
// when that leaves this much time: the press opens the Launch URL within 2 s either way.
constexpr ULONGLONG kTabSearchEndMs = 1850;
constexpr ULONGLONG kShortestTabSearchMs = 100;

// The hook's callback carries no context: the one switcher, on the user-interface thread.
SiteSwitcher* foregroundListener = nullptr;

// When the key was pressed: the time of the message being handled (the hotkey or the tray
// click), or now when that message is not recent.
ULONGLONG KeystrokeTime() {
  const ULONGLONG now = GetTickCount64();
  const DWORD sinceMessage = GetTickCount() - static_cast<DWORD>(GetMessageTime());
  return sinceMessage < kReadBudgetMs ? now - sinceMessage : now;
}
} // namespace

struct SiteSwitcher::Press {
  SiteKeywords site;
  ULONGLONG keystroke;
  std::vector<BrowserWindow> browsers;
  std::vector<Candidate> candidates;
  std::shared_ptr<PressReads> reads;
  std::shared_ptr<TabSearch> tabs;  // once no window of the site was found
};

SiteSwitcher::SiteSwitcher() = default;

SiteSwitcher::~SiteSwitcher() {
  foregroundHook_.Reset();
  if (foregroundListener == this) foregroundListener = nullptr;
  if (press_) AddressReaders::Stop(*press_->reads);
  if (press_ && press_->tabs) AddressReaders::Stop(*press_->tabs);
}

void SiteSwitcher::Prepare() {
  if (messages_) return;
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = MessageProc;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kMessageWindowClass;
  RegisterClassExW(&windowClass);
  messages_.Reset(
      CreateWindowExW(0, kMessageWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr));
  SetWindowLongPtrW(messages_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  foregroundListener = this;
  // Wine 8 delivers no foreground events; each press also looks at the foreground window itself.
  foregroundHook_.Reset(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr, ForegroundChanged,
                                        0, 0, WINEVENT_OUTOFCONTEXT));
}

AddressReaders& SiteSwitcher::Readers() {
  // Made with the first read: the reading threads and COM are not needed before.
  if (!readers_) readers_ = std::make_unique<AddressReaders>();
  return *readers_;
}

void CALLBACK SiteSwitcher::ForegroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                              DWORD) {
  if (event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW && foregroundListener) {
    foregroundListener->cycle_.RecordForeground(ToWindowId(window));
  }
}

LRESULT CALLBACK SiteSwitcher::MessageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SiteSwitcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && (message == kReadEnded || (message == WM_TIMER && wParam == kDeadlineTimer))) {
    self->CheckPress();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SiteSwitcher::Toggle(const SiteKeywords& site) {
  Prepare();
  Waiting next{site, KeystrokeTime()};
  if (!press_) return Start(std::move(next));
  // A press that waits is served after the one being served; more are not kept.
  if (!waiting_) waiting_ = std::move(next);
}

std::shared_ptr<PressReads> SiteSwitcher::ReadLikeAPress(const BrowserWindows& windows, HWND notify, UINT message) {
  Prepare();
  return Readers().Start(windows, GetTickCount64() + kReadBudgetMs, notify, message);
}

std::shared_ptr<TabSearch> SiteSwitcher::LookForSiteTabs(std::vector<Candidate> windows,
                                                         const std::wstring& browserTextKeyword, HWND notify,
                                                         UINT message) {
  Prepare();
  return Readers().StartTabSearch(std::move(windows), browserTextKeyword, L"", true, GetTickCount64() + kTabSearchEndMs,
                                  notify, message);
}

void SiteSwitcher::LaunchNew(const std::wstring& launchUrl) { OpenInBrowser(launchUrl); }

void SiteSwitcher::Start(Waiting next) {
  const ULONGLONG now = GetTickCount64();
  const ULONGLONG deadline = std::max(next.keystroke + kReadBudgetMs, now + kShortestReadMs);
  std::vector<BrowserWindow> browsers = BrowserWindowsOnScreen();
  BrowserWindows windows = SelectCandidates(browsers, next.site.browserTextKeyword);
  press_ = std::make_unique<Press>();
  press_->browsers = std::move(browsers);
  press_->site = std::move(next.site);
  press_->keystroke = next.keystroke;
  // Without a window to hear back from the reads, nothing is read: modern windows count on their titles.
  press_->reads = messages_ ? Readers().Start(windows, deadline, messages_.Get(), kReadEnded)
                            : std::make_shared<PressReads>(windows.candidates.size(), deadline);
  press_->candidates = std::move(windows.candidates);
  if (messages_) SetTimer(messages_.Get(), kDeadlineTimer, static_cast<UINT>(deadline - now), nullptr);
  CheckPress();
}

void SiteSwitcher::CheckPress() {
  if (!press_) return;
  const bool overdue = GetTickCount64() >= (press_->tabs ? press_->tabs->Deadline() : press_->reads->Deadline());
  if (messages_ && !overdue && !(press_->tabs ? press_->tabs->Finished() : press_->reads->AllFinished())) return;
  if (press_->tabs) return FinishTabSearch();
  Finish();
}

void SiteSwitcher::Finish() {
  if (messages_) KillTimer(messages_.Get(), kDeadlineTimer);
  // Reads still running count as unread; they stop asking, and what they find is dropped.
  AddressReaders::Stop(*press_->reads);
  const std::vector<WindowId> siteWindows =
      SiteWindows(press_->candidates, press_->reads->Results(), press_->site.urlKeyword);
  cycle_.RecordForeground(ToWindowId(GetForegroundWindow()));
  if (const auto chosen = cycle_.ChooseNext(siteWindows)) {
    // A window closed since the walk is left alone quietly.
    BringWindowForward(ToHwnd(*chosen));
  } else if (!lastToggleLaunch_ || press_->keystroke >= *lastToggleLaunch_ + kRelaunchPauseMs) {
    if (StartTabSearch()) return;
    Launch();
  }
  ServeWaitingPress();
}

bool SiteSwitcher::StartTabSearch() {
  // The site may be open in a background tab of a Chromium- or Firefox-family window, whatever
  // its title shows: its tab is looked for within the press's time.
  const ULONGLONG deadline = press_->keystroke + kTabSearchEndMs;
  const ULONGLONG now = GetTickCount64();
  std::vector<Candidate> windows;
  for (const BrowserWindow& window : press_->browsers) {
    if (window.family == BrowserFamily::Modern) windows.push_back({window.window, window.family, window.process});
  }
  if (windows.empty() || !messages_ || now + kShortestTabSearchMs > deadline) return false;
  std::sort(windows.begin(), windows.end(), [](const auto& a, const auto& b) { return a.window < b.window; });
  press_->tabs = Readers().StartTabSearch(std::move(windows), press_->site.browserTextKeyword, press_->site.urlKeyword,
                                          false, deadline, messages_.Get(), kReadEnded);
  SetTimer(messages_.Get(), kDeadlineTimer, static_cast<UINT>(deadline - now), nullptr);
  CheckPress();
  return true;
}

void SiteSwitcher::FinishTabSearch() {
  KillTimer(messages_.Get(), kDeadlineTimer);
  // Past its time the search selects nothing more, and the Launch URL opens.
  AddressReaders::Stop(*press_->tabs);
  const std::optional<WindowId> chosen = press_->tabs->Finished() ? press_->tabs->Chosen() : std::nullopt;
  if (chosen && BringWindowForward(ToHwnd(*chosen))) {
    cycle_.RecordForeground(*chosen);
  } else {
    Launch();
  }
  ServeWaitingPress();
}

void SiteSwitcher::Launch() {
  OpenInBrowser(press_->site.launchUrl);
  lastToggleLaunch_ = GetTickCount64();
}

void SiteSwitcher::ServeWaitingPress() {
  press_.reset();
  if (waiting_) {
    Waiting next = std::move(*waiting_);
    waiting_.reset();
    Start(std::move(next));
  }
}

} // namespace qvx
