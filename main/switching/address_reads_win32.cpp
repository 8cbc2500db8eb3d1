#include "main/switching/address_reads_win32.h"

#include <objbase.h>

#include "main/switching/accessible_address_win32.h"
#include "main/switching/page_tabs.h"
#include "main/switching/window_walk_win32.h"

namespace qvx {

namespace {
constexpr DWORD kMostReadingThreads = 4;

// COM's call cancellation, taken from ole32 when first needed (the program loads it late).
struct CallCancellation {
  decltype(&::CoIncrementMTAUsage) incrementMtaUsage = nullptr;
  decltype(&::CoEnableCallCancellation) enable = nullptr;
  decltype(&::CoDisableCallCancellation) disable = nullptr;
  decltype(&::CoCancelCall) cancel = nullptr;
};

template <typename Function>
void Resolve(HMODULE dll, const char* name, Function& function) {
  function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

const CallCancellation& Cancellation() {
  static const CallCancellation functions = [] {
    CallCancellation f;
    if (const HMODULE ole = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      Resolve(ole, "CoIncrementMTAUsage", f.incrementMtaUsage);
      Resolve(ole, "CoEnableCallCancellation", f.enable);
      Resolve(ole, "CoDisableCallCancellation", f.disable);
      // Wine (8) exports CoCancelCall as a stub that ends the calling process.
      const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
      if (!ntdll || !GetProcAddress(ntdll, "wine_get_version")) Resolve(ole, "CoCancelCall", f.cancel);
    }
    return f;
  }();
  return functions;
}

// A reading thread's COM for the time of one read, set up and torn down by the read itself
// (never from a thread's exit, which runs under the loader lock). The process keeps its
// multithreaded apartment alive between reads, so this costs little.
class ReadingApartment {
 public:
  ReadingApartment() {
    cancellable_ = com_.Succeeded() && Cancellation().enable && SUCCEEDED(Cancellation().enable(nullptr));
  }
  ~ReadingApartment() {
    if (cancellable_ && Cancellation().disable) Cancellation().disable(nullptr);
  }
  ReadingApartment(const ReadingApartment&) = delete;
  ReadingApartment& operator=(const ReadingApartment&) = delete;
  bool Ready() const { return com_.Succeeded(); }

 private:
  const ScopedComInit com_{COINIT_MULTITHREADED};  // left after cancellation is disabled
  bool cancellable_ = false;
};
} // namespace

struct AddressReaders::Shared {
  FieldPaths paths;
  std::mutex lock;
  std::set<WindowId> reading;  // windows whose read runs now, of whichever press
};

namespace {
struct TabJob {
  std::shared_ptr<AddressReaders::Shared> shared;
  std::shared_ptr<TabSearch> search;
  std::vector<Candidate> windows;
  std::wstring browserTextKeyword, urlKeyword;
  bool onlyLook;
  HWND notify;
  UINT message;
};

// The browser windows' tab strips as the tab search reads and selects them, each window's tree
// opened when first needed.
class ScreenTabWindows final : public TabWindows {
 public:
  ScreenTabWindows(TabJob& job, const ReadLimits& limits)
      : job_(job), limits_(limits), trees_(job.windows.size()) {}
  std::size_t Count() override { return job_.windows.size(); }
  std::optional<TabStrip> Strip(std::size_t window) override {
    WindowTree* tree = Tree(window);
    if (!tree) return std::nullopt;
    const BrowserProcess& process = job_.windows[window].process;
    auto strip = ReadTabStrip(*tree, job_.browserTextKeyword, job_.shared->paths.RememberedTabStrip(process));
    if (tree->Interrupted() || !strip) return std::nullopt;
    job_.shared->paths.LearnTabStrip(process, strip->path);
    return strip;
  }
  std::optional<AccessibleTree::Element> Shown(std::size_t window, const TabStrip& strip) override {
    WindowTree* tree = Tree(window);
    return tree ? ShownTab(*tree, strip) : std::nullopt;
  }
  bool Select(std::size_t window, AccessibleTree::Element tab) override {
    WindowTree* tree = Tree(window);
    return tree && tree->DoDefaultAction(tab);
  }
  std::wstring Address(std::size_t window, std::wstring_view before) override {
    WindowTree* tree = Tree(window);
    const BrowserProcess& process = job_.windows[window].process;
    // A browser may show the selected tab's address a moment after the selection.
    for (int attempt = 0; tree && attempt < kAddressAttempts; ++attempt) {
      if (attempt > 0) Sleep(kAddressAttemptPauseMs);
      const FieldSearch search = FindAddressField(*tree, job_.shared->paths.Remembered(process));
      job_.shared->paths.Learn(process, search);
      if (tree->Interrupted()) return {};
      if (search.read.address != before || before.empty()) return search.read.address;
    }
    return std::wstring(before);
  }
  bool TimeToTry() override { return !limits_.stop->load() && GetTickCount64() + kTryMs < limits_.deadline; }

 private:
  // What a selection, the address read after it and a selection back may take.
  static constexpr ULONGLONG kTryMs = 300;
  static constexpr int kAddressAttempts = 4;
  static constexpr DWORD kAddressAttemptPauseMs = 50;
  WindowTree* Tree(std::size_t window) {
    if (!trees_[window]) trees_[window] = OpenWindowTree(ToHwnd(job_.windows[window].window), limits_);
    return trees_[window].get();
  }
  TabJob& job_;
  const ReadLimits& limits_;
  std::vector<std::unique_ptr<WindowTree>> trees_;
};

struct ReadJob {
  std::shared_ptr<AddressReaders::Shared> shared;
  std::shared_ptr<PressReads> reads;
  std::size_t index;
  Candidate candidate;
  HWND notify;
  UINT message;
};

} // namespace

bool TabSearch::Finished() const {
  const std::lock_guard<std::mutex> guard(lock_);
  return finished_;
}

std::optional<WindowId> TabSearch::Chosen() const {
  const std::lock_guard<std::mutex> guard(lock_);
  return chosen_;
}

std::vector<std::wstring> TabSearch::SiteTabs() const {
  const std::lock_guard<std::mutex> guard(lock_);
  return siteTabs_;
}

bool PressReads::AllFinished() const {
  const std::lock_guard<std::mutex> guard(lock_);
  for (const auto& result : results_) {
    if (!result) return false;
  }
  return true;
}

std::vector<std::optional<FieldSearch>> PressReads::Ended() const {
  const std::lock_guard<std::mutex> guard(lock_);
  return results_;
}

std::vector<AddressRead> PressReads::Results() const {
  std::vector<AddressRead> reads;
  for (auto& search : Ended()) reads.push_back(search ? std::move(search->read) : AddressRead{});
  return reads;
}

// One read on a reading thread.
class ReadRunner {
 public:
  static void CALLBACK Run(PTP_CALLBACK_INSTANCE instance, void* context) {
    const std::unique_ptr<ReadJob> job(static_cast<ReadJob*>(context));
    CallbackMayRunLong(instance);
    PressReads& reads = *job->reads;
    const ULONGLONG start = GetTickCount64();
    FieldSearch search;
    if (job->candidate.family == BrowserFamily::InternetExplorer) {
      if (GetTickCount64() < reads.Deadline()) {
        search.read = {AddressRead::Outcome::Address, ReadAddressBar(ToHwnd(job->candidate.window))};
      }
    } else {
      search = ReadTree(*job);
    }
    search.readMs = GetTickCount64() - start;
    {
      const std::lock_guard<std::mutex> guard(reads.lock_);
      reads.results_[job->index] = std::move(search);
    }
    {
      const std::lock_guard<std::mutex> guard(job->shared->lock);
      job->shared->reading.erase(job->candidate.window);
    }
    PostMessageW(job->notify, job->message, 0, 0);
  }
  // A browser tree, unless the press is over; the reading thread can be cancelled meanwhile.
  static FieldSearch ReadTree(ReadJob& job) {
    PressReads& reads = *job.reads;
    FieldSearch search;
    if (reads.stop_.load() || GetTickCount64() >= reads.Deadline()) return search;
    const ReadingApartment apartment;
    if (!apartment.Ready()) return search;
    const DWORD thread = GetCurrentThreadId();
    {
      const std::lock_guard<std::mutex> guard(reads.lock_);
      reads.readingThreads_.insert(thread);
    }
    search = ReadAccessibleAddress(ToHwnd(job.candidate.window), job.shared->paths.Remembered(job.candidate.process),
                                   {reads.Deadline(), &reads.stop_});
    {
      const std::lock_guard<std::mutex> guard(reads.lock_);
      reads.readingThreads_.erase(thread);
    }
    job.shared->paths.Learn(job.candidate.process, search);
    return search;
  }
  static void CALLBACK SearchTabs(PTP_CALLBACK_INSTANCE instance, void* context) {
    const std::unique_ptr<TabJob> job(static_cast<TabJob*>(context));
    CallbackMayRunLong(instance);
    TabSearch& search = *job->search;
    std::optional<WindowId> chosen;
    std::vector<std::wstring> siteTabs(job->windows.size());
    const ReadingApartment apartment;
    if (apartment.Ready() && !search.stop_.load() && GetTickCount64() < search.Deadline()) {
      const DWORD thread = GetCurrentThreadId();
      {
        const std::lock_guard<std::mutex> guard(search.lock_);
        search.readingThreads_.insert(thread);
      }
      const ReadLimits limits{search.Deadline(), &search.stop_};
      ScreenTabWindows windows(*job, limits);
      if (job->onlyLook) {
        for (std::size_t i = 0; i < siteTabs.size() && windows.TimeToTry(); ++i) {
          const auto strip = windows.Strip(i);
          if (strip && !strip->siteTabs.empty()) siteTabs[i] = strip->siteTabs.front().name;
        }
      } else if (const auto tab = SelectSiteTab(windows, job->urlKeyword)) {
        chosen = job->windows[tab->window].window;
      }
      const std::lock_guard<std::mutex> guard(search.lock_);
      search.readingThreads_.erase(thread);
    }
    {
      const std::lock_guard<std::mutex> guard(search.lock_);
      search.chosen_ = chosen;
      search.siteTabs_ = std::move(siteTabs);
      search.finished_ = true;
    }
    PostMessageW(job->notify, job->message, 0, 0);
  }
  static void Finish(PressReads& reads, std::size_t index) {
    const std::lock_guard<std::mutex> guard(reads.lock_);
    reads.results_[index] = FieldSearch{};
  }
};

AddressReaders::AddressReaders() : shared_(std::make_shared<Shared>()) {
  // The multithreaded apartment stays for the life of the process: each read joins it for its
  // own time without building it again.
  CO_MTA_USAGE_COOKIE cookie{};
  if (Cancellation().incrementMtaUsage) Cancellation().incrementMtaUsage(&cookie);
  InitializeThreadpoolEnvironment(&environment_);
  pool_ = CreateThreadpool(nullptr);
  if (!pool_) return;  // the process's own pool serves then
  SetThreadpoolThreadMaximum(pool_, kMostReadingThreads);
  SetThreadpoolCallbackPool(&environment_, pool_);
}

AddressReaders::~AddressReaders() {
  // Reads still running keep their own share of the state and end on their own.
  if (pool_) CloseThreadpool(pool_);
  DestroyThreadpoolEnvironment(&environment_);
}

std::shared_ptr<PressReads> AddressReaders::Start(const BrowserWindows& windows, ULONGLONG deadline, HWND notify,
                                                  UINT message) {
  shared_->paths.KeepOnly(windows.processes);
  auto reads = std::make_shared<PressReads>(windows.candidates.size(), deadline);
  for (std::size_t i = 0; i < windows.candidates.size(); ++i) {
    const Candidate& candidate = windows.candidates[i];
    bool started = false;
    {
      const std::lock_guard<std::mutex> guard(shared_->lock);
      started = shared_->reading.insert(candidate.window).second;
    }
    if (started) {
      auto job = std::make_unique<ReadJob>(ReadJob{shared_, reads, i, candidate, notify, message});
      // Internet Explorer's bars are read on the system's pool, beside the browser trees.
      PTP_CALLBACK_ENVIRON environment = candidate.family == BrowserFamily::InternetExplorer ? nullptr : &environment_;
      if (TrySubmitThreadpoolCallback(ReadRunner::Run, job.get(), environment)) {
        job.release();
        continue;
      }
      const std::lock_guard<std::mutex> guard(shared_->lock);
      shared_->reading.erase(candidate.window);
    }
    ReadRunner::Finish(*reads, i);  // unread: counted on its title, or not at all
  }
  return reads;
}

void AddressReaders::Stop(PressWork& work) {
  const std::lock_guard<std::mutex> guard(work.lock_);
  work.stop_ = true;
  // Where COM cannot cancel a call (Wine does not), the read ends when the browser answers and
  // asks nothing more; its window is not read again until then.
  if (Cancellation().cancel) {
    for (DWORD thread : work.readingThreads_) Cancellation().cancel(thread, 0);
  }
}

std::shared_ptr<TabSearch> AddressReaders::StartTabSearch(std::vector<Candidate> windows, std::wstring browserTextKeyword,
                                                          std::wstring urlKeyword, bool onlyLook, ULONGLONG deadline,
                                                          HWND notify, UINT message) {
  auto search = std::make_shared<TabSearch>(deadline);
  auto job = std::make_unique<TabJob>(TabJob{shared_, search, std::move(windows), std::move(browserTextKeyword),
                                             std::move(urlKeyword), onlyLook, notify, message});
  if (TrySubmitThreadpoolCallback(ReadRunner::SearchTabs, job.get(), &environment_)) {
    job.release();
  } else {
    const std::lock_guard<std::mutex> guard(search->lock_);
    search->finished_ = true;
  }
  return search;
}

} // namespace qvx
