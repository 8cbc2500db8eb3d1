#include "main/switching/site_switcher_win32.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "main/switching/accessible_address_win32.h"
#include "main/switching/bring_forward_win32.h"
#include "main/switching/launch_win32.h"
#include "main/switching/window_walk_win32.h"

namespace qvx {

namespace {
constexpr wchar_t kMessageWindowClass[] = L"QuorvexSiteSwitcher";
constexpr UINT kReadFinished = WM_APP + 1;  // wParam: the number of the press the read belongs to
constexpr UINT_PTR kDeadlineTimer = 1;
// Reads end this long after the keystroke, so that the window is brought forward (or the URL
// opened) well within 2 s whatever the browsers do. A press that waited for the one before it
// still gets a short time to read.
constexpr ULONGLONG kReadBudgetMs = 1500;
constexpr ULONGLONG kShortestReadMs = 300;
constexpr DWORD kMostReadingThreads = 4;

// The hook's callback carries no context: the one switcher, on the user-interface thread.
SiteSwitcher* foregroundListener = nullptr;

// What the reading threads hand back; shared with them, as a read may outlive its press.
struct Reads {
  std::mutex lock;
  std::vector<AddressRead> results;
};

struct ReadJob {
  std::shared_ptr<Reads> reads;
  std::size_t index;
  Candidate candidate;
  HWND notify;
  unsigned pressNumber;
};

void CALLBACK ReadOneWindow(PTP_CALLBACK_INSTANCE instance, void* context) {
  const std::unique_ptr<ReadJob> job(static_cast<ReadJob*>(context));
  CallbackMayRunLong(instance);
  const HWND window = ToHwnd(job->candidate.window);
  AddressRead read = job->candidate.family == BrowserFamily::InternetExplorer
                         ? AddressRead{AddressRead::Outcome::Address, ReadAddressBar(window)}
                         : ReadAccessibleAddress(window);
  {
    const std::lock_guard<std::mutex> guard(job->reads->lock);
    job->reads->results[job->index] = std::move(read);
  }
  PostMessageW(job->notify, kReadFinished, job->pressNumber, 0);
}

// When the key was pressed: the time of the message being handled (the hotkey or the tray
// click), or now when that message is not recent.
ULONGLONG KeystrokeTime() {
  const ULONGLONG now = GetTickCount64();
  const DWORD sinceMessage = GetTickCount() - static_cast<DWORD>(GetMessageTime());
  return sinceMessage < kReadBudgetMs ? now - sinceMessage : now;
}
} // namespace

struct SiteSwitcher::Press {
  unsigned number;
  SiteKeywords site;
  std::vector<Candidate> candidates;
  std::shared_ptr<Reads> reads;
  std::size_t unfinished;
};

SiteSwitcher::ReadingThreads::ReadingThreads() {
  InitializeThreadpoolEnvironment(&environment);
  pool = CreateThreadpool(nullptr);
  if (!pool) return;  // the process's own pool serves then
  SetThreadpoolThreadMaximum(pool, kMostReadingThreads);
  SetThreadpoolCallbackPool(&environment, pool);
}

SiteSwitcher::ReadingThreads::~ReadingThreads() {
  // Reads still running keep their own share of the results and end on their own.
  if (pool) CloseThreadpool(pool);
  DestroyThreadpoolEnvironment(&environment);
}

SiteSwitcher::SiteSwitcher() {
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

SiteSwitcher::~SiteSwitcher() {
  foregroundHook_.Reset();
  if (foregroundListener == this) foregroundListener = nullptr;
}

void CALLBACK SiteSwitcher::ForegroundChanged(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG, DWORD,
                                              DWORD) {
  if (event == EVENT_SYSTEM_FOREGROUND && object == OBJID_WINDOW && foregroundListener) {
    foregroundListener->cycle_.RecordForeground(ToWindowId(window));
  }
}

LRESULT CALLBACK SiteSwitcher::MessageProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = reinterpret_cast<SiteSwitcher*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self && message == kReadFinished) {
    self->ReadFinished(static_cast<unsigned>(wParam));
    return 0;
  }
  if (self && message == WM_TIMER && wParam == kDeadlineTimer) {
    if (self->press_) self->Finish();
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void SiteSwitcher::Toggle(const SiteKeywords& site) {
  Waiting next{site, KeystrokeTime()};
  if (press_) {
    waiting_.push_back(std::move(next));
    return;
  }
  Start(std::move(next));
}

void SiteSwitcher::LaunchNew(const std::wstring& launchUrl) { OpenInBrowser(launchUrl); }

void SiteSwitcher::Start(Waiting next) {
  press_ = std::make_unique<Press>();
  press_->number = ++pressCount_;
  press_->site = std::move(next.site);
  press_->candidates = FindCandidatesOnScreen(press_->site.browserTextKeyword);
  press_->reads = std::make_shared<Reads>();
  press_->reads->results.resize(press_->candidates.size());
  press_->unfinished = 0;
  // Without a window to hear back from the reads, nothing is read: modern windows count on their titles.
  for (std::size_t i = 0; messages_ && i < press_->candidates.size(); ++i) {
    auto job = std::make_unique<ReadJob>(ReadJob{press_->reads, i, press_->candidates[i], messages_.Get(), press_->number});
    if (TrySubmitThreadpoolCallback(ReadOneWindow, job.get(), &readers_.environment)) {
      job.release();
      ++press_->unfinished;
    }
  }
  if (press_->unfinished == 0) return Finish();
  const ULONGLONG now = GetTickCount64();
  const ULONGLONG deadline = std::max(next.keystroke + kReadBudgetMs, now + kShortestReadMs);
  SetTimer(messages_.Get(), kDeadlineTimer, static_cast<UINT>(deadline - now), nullptr);
}

void SiteSwitcher::ReadFinished(unsigned pressNumber) {
  if (press_ && press_->number == pressNumber && --press_->unfinished == 0) Finish();
}

void SiteSwitcher::Finish() {
  KillTimer(messages_.Get(), kDeadlineTimer);
  const std::unique_ptr<Press> press = std::move(press_);
  std::vector<AddressRead> reads;
  {
    // Reads still running count as unread; what they find later is dropped with their Reads.
    const std::lock_guard<std::mutex> guard(press->reads->lock);
    reads = press->reads->results;
  }
  const std::vector<WindowId> siteWindows = SiteWindows(press->candidates, reads, press->site.urlKeyword);
  cycle_.RecordForeground(ToWindowId(GetForegroundWindow()));
  if (const auto chosen = cycle_.ChooseNext(siteWindows)) {
    // A window closed since the walk is left alone quietly.
    BringWindowForward(ToHwnd(*chosen));
  } else {
    OpenInBrowser(press->site.launchUrl);
  }
  if (!waiting_.empty()) {
    Waiting next = std::move(waiting_.front());
    waiting_.pop_front();
    Start(std::move(next));
  }
}

} // namespace qvx
