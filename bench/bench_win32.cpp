// Measures Quorv114 against the reference programs, side by side in one run, on a desktop of
// N top-level windows in other processes (a tenth of them the site's browser windows), and
// prints the figures and their ratios. Memory, idle wake-ups and file descriptors are read
// from the Linux side of Wine (/proc through drive Z:), since Wine does not count GUI
// resources or handles per process. With --trees N, instead: N presses of each program on 10
// Chrome windows of 40 tabs (one browser process) among 400 top-level windows, against the
// reference that reads browser trees, with the calls the browser answered on its trees. With
// --launches N: N presses of each program with no window of the site open among those 10 Chrome
// windows (the launch path, through their tab strips), against Quorv114 as it was before presses
// looked through background tabs (bin\before-tabs\Quorv114.exe, which scripts/bench.sh builds).
//
//   bench.exe [--windows 100,400,1600] [--toggles 1000] [--starts 5] [--browser-class IEFrame]
//             [--browser-args "extra fake_browser.exe options"] [--trees N] [--launches N]
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "driver/desktop.h"
#include "driver/fake_browser.h"
#include "driver/quorvex_app.h"

using namespace e2e;
using Clock = std::chrono::steady_clock;

namespace {
struct Options {
  std::vector<int> windows{100, 400, 1600};
  int toggles = 1000, starts = 5, treePresses = 0, launches = 0;
  std::wstring browserClass = L"IEFrame", browserArgs;
};

struct UnixFigures {
  long rssKb = 0, privateKb = 0, fds = 0, contextSwitches = 0;
};

struct Figures {
  std::vector<double> startMs, toggleMs;
  UnixFigures before, idle, after, settled;
  size_t windowsBefore = 0, windowsAfter = 0;
  long wakeups = 0;
  int missed = 0;
};

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Quantile(std::vector<double> v, double q) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, static_cast<size_t>(q * static_cast<double>(v.size())))];
}

std::string ReadUnixFile(const std::wstring& path) {
  HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
  if (f == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got) text.append(buffer, got);
  CloseHandle(f);
  return text;
}

std::vector<std::wstring> Entries(const std::wstring& dir) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((dir + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (found.cFileName[0] != L'.') names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

long Field(const std::string& status, const char* name) {
  const size_t at = status.find(name);
  return at == std::string::npos ? 0 : std::atol(status.c_str() + at + std::strlen(name));
}

// The Linux process that runs the program: the one whose command line holds the text (the
// machine may run other Wine prefixes with programs of the same name).
std::wstring UnixProcessDir(const std::wstring& commandLineText) {
  const std::string name(commandLineText.begin(), commandLineText.end());
  for (const std::wstring& entry : Entries(L"Z:\\proc")) {
    if (entry.find_first_not_of(L"0123456789") != std::wstring::npos) continue;
    const std::string commandLine = ReadUnixFile(L"Z:\\proc\\" + entry + L"\\cmdline");
    if (commandLine.find(name) != std::string::npos) return L"Z:\\proc\\" + entry;
  }
  return {};
}

UnixFigures ReadUnixFigures(const std::wstring& commandLineText) {
  UnixFigures figures;
  const std::wstring dir = UnixProcessDir(commandLineText);
  if (dir.empty()) return figures;
  const std::string status = ReadUnixFile(dir + L"\\status");
  figures.rssKb = Field(status, "VmRSS:");
  figures.privateKb = Field(status, "RssAnon:");
  figures.fds = static_cast<long>(Entries(dir + L"\\fd").size());
  for (const std::wstring& task : Entries(dir + L"\\task")) {
    const std::string taskStatus = ReadUnixFile(dir + L"\\task\\" + task + L"\\status");
    figures.contextSwitches += Field(taskStatus, "voluntary_ctxt_switches:") + Field(taskStatus, "nonvoluntary_ctxt_switches:");
  }
  return figures;
}

size_t WindowsOf(DWORD pid) {
  size_t count = 0;
  for (HWND top : TopLevelWindowsOf(pid, false)) {
    ++count;
    EnumChildWindows(top, [](HWND, LPARAM n) { ++*reinterpret_cast<size_t*>(n); return TRUE; },
                     reinterpret_cast<LPARAM>(&count));
  }
  return count;
}

// One of the two programs under measurement: how to start it, see it ready and end it.
class Subject {
 public:
  Subject(bool reference, const std::wstring& keyword, const std::wstring& browserClass,
          const std::wstring& referenceName = L"reference_tray", const std::wstring& referenceClass = L"QuorvexReferenceTray")
      : reference_(reference), toggleKey_(reference ? 'I' : 'K'), keyword_(keyword), browserClass_(browserClass),
        referenceName_(referenceName), referenceClass_(referenceClass), app_(dir_.Path()) {
    const std::string k(keyword.begin(), keyword.end());
    app_.Write(L"QuorvexSettings.txt", "QVX2\r\nFAKE BROWSER\r\n" + k + "\r\nhttps://start-" + k + ".test/\r\n\r\n");
    app_.Write(L"hotkeysetup.txt", "3\r\n74\r\n1\r\n3\r\n75\r\n1\r\n");
  }
  // What only this program's command line holds: the reference's name (no other program runs
  // it), or the path of the program's own copy.
  std::wstring CommandLineText() const { return reference_ ? referenceName_ + L".exe" : app_.File(kMainExe); }
  // Starts the program; the time until its window says icon and hotkeys are up, or -1.
  double Start() {
    const auto begin = Clock::now();
    if (reference_) process_ = Process::Start(BinFile(CommandLineText()), qvx_test::Quoted(keyword_) + L" " + browserClass_, dir_.Path());
    else app_.Start();
    const DWORD pid = Pid();
    const wchar_t* windowClass = reference_ ? referenceClass_.c_str() : kMainWindowClass;
    while (Clock::now() - begin < 30s) {
      HWND main = FindTopLevel(pid, windowClass);
      if (main && GetPropW(main, L"QuorvexInTray")) return Ms(Clock::now() - begin);
      Sleep(1);
    }
    return -1;
  }
  void Stop() {
    if (!reference_) { app_.Exit(); return; }
    PostMessageW(FindTopLevel(Pid(), referenceClass_), WM_CLOSE, 0, 0);
    process_.WaitForExit();
  }
  DWORD Pid() { return reference_ ? process_.Id() : app_.Pid(); }
  // With Ctrl+Alt: Quorv114's toggle as the benchmark's hotkey file sets it, the reference's own.
  WORD ToggleKey() const { return toggleKey_; }
  // Another build of Quorv114 in this program's place, on Ctrl+Alt+L and Ctrl+Alt+I, so that it
  // runs beside the current one.
  void RunInstead(const std::wstring& exe) {
    CopyInto(exe, dir_.Path(), kMainExe);
    app_.Write(L"hotkeysetup.txt", "3\r\n76\r\n1\r\n3\r\n73\r\n1\r\n");
    toggleKey_ = 'I';
  }
  std::wstring LaunchUrl() const { return L"https://start-" + keyword_ + L".test/"; }

 private:
  bool reference_;
  WORD toggleKey_;
  std::wstring keyword_, browserClass_, referenceName_, referenceClass_;
  TempDir dir_;
  QuorvexApp app_;
  Process process_;
};

// The start-ups alternate between the two programs, so that a change in the machine's load
// falls on both alike.
void MeasureStarts(Subject& program, Figures& p, Subject& reference, Figures& r, int starts) {
  for (int i = 0; i < starts; ++i) {
    for (auto [subject, figures] : {std::pair{&reference, &r}, std::pair{&program, &p}}) {
      figures->startMs.push_back(subject->Start());
      subject->Stop();
    }
  }
}

// One press of the program's toggle key: the time until a site window other than the one in
// front comes to the front, or nothing when none does within 3 s.
std::optional<double> Toggle(WORD key, const std::vector<HWND>& site) {
  const HWND front = GetForegroundWindow();
  const auto begin = Clock::now();
  PressChord({VK_CONTROL, VK_MENU, key});
  while (Clock::now() - begin < 3s) {
    const HWND now = GetForegroundWindow();
    if (now != front && std::find(site.begin(), site.end(), now) != site.end()) return Ms(Clock::now() - begin);
    Sleep(0);
  }
  return std::nullopt;
}

// Both programs run at once, each with its own toggle key, and the presses alternate between
// them, so that the machine's load falls on both alike.
void MeasureSideBySide(Subject& program, Figures& p, Subject& reference, Figures& r, const std::vector<HWND>& site,
                       const Options& options) {
  const std::pair<Subject*, Figures*> both[] = {{&reference, &r}, {&program, &p}};
  const auto read = [&](UnixFigures Figures::*into) {
    for (auto [subject, figures] : both) figures->*into = ReadUnixFigures(subject->CommandLineText());
  };
  for (auto [subject, figures] : both) subject->Start();
  Sleep(2000);  // a benchmark, not a test: let the start-ups' after-work finish before "idle"
  for (auto [subject, figures] : both) figures->windowsBefore = WindowsOf(subject->Pid());
  read(&Figures::before);
  Sleep(10000);
  read(&Figures::idle);
  for (auto [subject, figures] : both) figures->wakeups = figures->idle.contextSwitches - figures->before.contextSwitches;
  for (int i = 0; i < options.toggles; ++i) {
    for (auto [subject, figures] : both) {
      if (const auto ms = Toggle(subject->ToggleKey(), site)) figures->toggleMs.push_back(*ms);
      else ++figures->missed;
    }
  }
  Sleep(2000);
  read(&Figures::after);
  for (auto [subject, figures] : both) figures->windowsAfter = WindowsOf(subject->Pid());
  Sleep(10000);  // idle worker threads retire after a few seconds
  read(&Figures::settled);
  for (auto [subject, figures] : both) subject->Stop();
}

void Row(const char* figure, double program, double reference) {
  if (reference == 0) std::printf("| %-40s | %10.1f | %10.1f |       - |\n", figure, program, reference);
  else std::printf("| %-40s | %10.1f | %10.1f | %6.2fx |\n", figure, program, reference, program / reference);
}

void Report(int n, const Options& options, const Figures& p, const Figures& r) {
  std::printf("\n%d top-level windows (%d site windows of class %ls), %d toggles, %d starts\n\n", n, n / 10,
              options.browserClass.c_str(), options.toggles, options.starts);
  std::printf("| %-40s | %10s | %10s | %7s |\n|---|---:|---:|---:|\n", "figure", "Quorv114", "reference", "ratio");
  Row("start-up to icon and hotkeys, median ms", Quantile(p.startMs, 0.5), Quantile(r.startMs, 0.5));
  Row("toggle latency, median ms", Quantile(p.toggleMs, 0.5), Quantile(r.toggleMs, 0.5));
  Row("toggle latency, p90 ms", Quantile(p.toggleMs, 0.9), Quantile(r.toggleMs, 0.9));
  Row("toggles missed (no site window in 3 s)", p.missed, r.missed);
  Row("working set (VmRSS) idle, KB", p.idle.rssKb, r.idle.rssKb);
  Row("private resident (RssAnon) idle, KB", p.idle.privateKb, r.idle.privateKb);
  Row("working set after the toggles, KB", p.after.rssKb, r.after.rssKb);
  Row("private resident after the toggles, KB", p.after.privateKb, r.after.privateKb);
  Row("private resident 12 s after the toggles, KB", p.settled.privateKb, r.settled.privateKb);
  Row("context switches in 10 s idle", p.wakeups, r.wakeups);
  Row("windows (top-level and child) before", static_cast<double>(p.windowsBefore), static_cast<double>(r.windowsBefore));
  Row("windows (top-level and child) after", static_cast<double>(p.windowsAfter), static_cast<double>(r.windowsAfter));
  Row("unix file descriptors idle", p.idle.fds, r.idle.fds);
  Row("unix file descriptors after", p.after.fds, r.after.fds);
  Row("unix file descriptors 12 s after", p.settled.fds, r.settled.fds);
  std::fflush(stdout);
}

// How many calls the browser process has answered on its trees (the fixture counts them).
long CallsAnswered(HWND browserWindow) {
  static const UINT callCount = RegisterWindowMessageW(L"QuorvexFixtureCallCount");
  DWORD_PTR calls = 0;
  SendMessageTimeoutW(browserWindow, callCount, 0, 0, SMTO_NORMAL, 10000, &calls);
  return static_cast<long>(calls);
}

// Presses on modern browsers' trees, alternating between the two programs; after each press the
// benchmark waits until the browser has had no call for half a second, so that every call a press
// made, also after its window came forward, is that press's.
void MeasureTrees(const Options& options) {
  constexpr int kWindows = 400, kBrowserWindows = 10;
  const std::wstring keyword = qvx_test::UniqueToken();
  Process rest = Process::Start(BinFile(L"many_windows.exe"), std::to_wstring(kWindows - kBrowserWindows), L"");
  Process browser = Process::Start(BinFile(L"fake_browser.exe"), L"--count " + std::to_wstring(kBrowserWindows) +
                                   L" --style chromium-2024 --tabs 40 https://" + keyword + L".test/", L"");
  std::vector<HWND> site;
  WaitFor([&] { return (site = TopLevelWindowsOf(browser.Id(), true)).size() == kBrowserWindows; }, 60s);
  WaitFor([&] { return TopLevelWindowsOf(rest.Id(), true).size() == kWindows - kBrowserWindows; }, 60s);
  Subject program(false, keyword, L"Chrome_WidgetWin_1"),
      reference(true, keyword, L"Chrome_WidgetWin_1", L"reference_tree", L"QuorvexReferenceTree");
  Figures p, r;
  std::vector<double> programCalls, referenceCalls;
  const std::tuple<Subject*, Figures*, std::vector<double>*> both[] = {{&reference, &r, &referenceCalls},
                                                                       {&program, &p, &programCalls}};
  for (auto [subject, figures, calls] : both) subject->Start();
  Sleep(2000);  // a benchmark, not a test: let the start-ups' after-work finish
  for (int i = 0; i < options.treePresses; ++i) {
    for (auto [subject, figures, calls] : both) {
      const long before = CallsAnswered(site[0]);
      if (const auto ms = Toggle(subject->ToggleKey(), site)) figures->toggleMs.push_back(*ms);
      else ++figures->missed;
      long now = CallsAnswered(site[0]);
      for (long last = -1; now != last;) last = now, Sleep(500), now = CallsAnswered(site[0]);
      calls->push_back(static_cast<double>(now - before));
    }
  }
  for (auto [subject, figures, calls] : both) subject->Stop();
  std::string load = ReadUnixFile(L"Z:\\proc\\loadavg");
  load.erase(load.find_last_not_of('\n') + 1);
  std::printf("\n%d top-level windows, %d Chrome windows (2024 layout, 40 tabs, one process), %d presses each, "
              "load %s\n\n", kWindows, kBrowserWindows, options.treePresses, load.c_str());
  std::printf("| %-40s | %10s | %10s | %7s |\n|---|---:|---:|---:|\n", "figure", "Quorv114", "reference", "ratio");
  Row("press, median ms", Quantile(p.toggleMs, 0.5), Quantile(r.toggleMs, 0.5));
  Row("press, p90 ms", Quantile(p.toggleMs, 0.9), Quantile(r.toggleMs, 0.9));
  Row("presses missed (no site window in 3 s)", p.missed, r.missed);
  Row("calls on the trees per press, median", Quantile(programCalls, 0.5), Quantile(referenceCalls, 0.5));
  Row("calls on the trees per press, p90", Quantile(programCalls, 0.9), Quantile(referenceCalls, 0.9));
  std::fflush(stdout);
}

// Presses with no window of the site open among 10 Chrome windows of 40 tabs, none of them the
// site's: each press reads the windows, looks through their tabs (the current program), and opens
// the Launch URL. Measured from the keystroke to the launched window, alternating between the
// programs; the launched window is closed, and the next press of a program waits out its pause
// after a launch.
void MeasureLaunches(const Options& options) {
  constexpr int kBrowserWindows = 10;
  constexpr auto kRelaunchPause = 3500ms;
  const std::wstring beforeExe = BinFile(L"before-tabs\\Quorv114.exe");
  if (GetFileAttributesW(beforeExe.c_str()) == INVALID_FILE_ATTRIBUTES) {
    return void(std::fprintf(stderr, "%ls is missing: scripts/bench.sh --launches builds it\n", beforeExe.c_str()));
  }
  const std::wstring keyword = qvx_test::UniqueToken();
  Process browser = Process::Start(BinFile(L"fake_browser.exe"), L"--count " + std::to_wstring(kBrowserWindows) +
                                   L" --style chromium-2024 --tabs 40 https://other.test/", L"");
  WaitFor([&] { return TopLevelWindowsOf(browser.Id(), true).size() == kBrowserWindows; }, 60s);
  Subject program(false, keyword, L"Chrome_WidgetWin_1"), before(false, keyword, L"Chrome_WidgetWin_1");
  before.RunInstead(beforeExe);
  const HWND anyBrowser = TopLevelWindowsOf(browser.Id(), true).at(0);
  Figures p, r;
  std::vector<double> programCalls, beforeCalls;
  const std::tuple<Subject*, Figures*, std::vector<double>*> both[] = {{&before, &r, &beforeCalls},
                                                                       {&program, &p, &programCalls}};
  for (auto [subject, figures, calls] : both) subject->Start();
  Sleep(2000);  // a benchmark, not a test: let the start-ups' after-work finish
  for (int i = 0; i < options.launches; ++i) {
    for (auto [subject, figures, calls] : both) {
      const long callsBefore = CallsAnswered(anyBrowser);
      const auto begin = Clock::now();
      PressChord({VK_CONTROL, VK_MENU, subject->ToggleKey()});
      std::vector<HWND> launched;
      while ((launched = qvx_test::FakeBrowsersAt(subject->LaunchUrl())).empty() && Clock::now() - begin < 5s) Sleep(1);
      if (launched.empty()) ++figures->missed;
      else figures->toggleMs.push_back(Ms(Clock::now() - begin));
      for (HWND w : launched) PostMessageW(w, WM_CLOSE, 0, 0);
      WaitFor([&] { return qvx_test::FakeBrowsersAt(subject->LaunchUrl()).empty(); }, 20s);
      while (Clock::now() - begin < kRelaunchPause) Sleep(10);
      calls->push_back(static_cast<double>(CallsAnswered(anyBrowser) - callsBefore));
    }
  }
  for (auto [subject, figures, calls] : both) subject->Stop();
  std::string load = ReadUnixFile(L"Z:\\proc\\loadavg");
  load.erase(load.find_last_not_of('\n') + 1);
  std::printf("\n%d Chrome windows (2024 layout, 40 tabs, one process), no window of the site, %d presses each, "
              "load %s\n\n", kBrowserWindows, options.launches, load.c_str());
  std::printf("| %-40s | %10s | %10s | %7s |\n|---|---:|---:|---:|\n", "figure", "Quorv114", "before tabs", "ratio");
  Row("press to the launched window, median ms", Quantile(p.toggleMs, 0.5), Quantile(r.toggleMs, 0.5));
  Row("press to the launched window, p90 ms", Quantile(p.toggleMs, 0.9), Quantile(r.toggleMs, 0.9));
  Row("presses that launched nothing in 5 s", p.missed, r.missed);
  Row("calls on the trees per press, median", Quantile(programCalls, 0.5), Quantile(beforeCalls, 0.5));
  std::fflush(stdout);
}

std::vector<int> Numbers(const std::wstring& text) {
  std::vector<int> numbers;
  for (size_t at = 0; at < text.size();) {
    numbers.push_back(_wtoi(text.c_str() + at));
    const size_t comma = text.find(L',', at);
    at = comma == std::wstring::npos ? text.size() : comma + 1;
  }
  return numbers;
}
} // namespace

int wmain(int argc, wchar_t** argv) {
  Options options;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::wstring name = argv[i], value = argv[i + 1];
    if (name == L"--windows") options.windows = Numbers(value);
    else if (name == L"--toggles") options.toggles = _wtoi(value.c_str());
    else if (name == L"--starts") options.starts = _wtoi(value.c_str());
    else if (name == L"--browser-class") options.browserClass = value;
    else if (name == L"--browser-args") options.browserArgs = value;
    else if (name == L"--trees") options.treePresses = _wtoi(value.c_str());
    else if (name == L"--launches") options.launches = _wtoi(value.c_str());
  }
  if (options.treePresses > 0) return MeasureTrees(options), 0;
  if (options.launches > 0) return MeasureLaunches(options), 0;
  for (int n : options.windows) {
    const std::wstring keyword = qvx_test::UniqueToken();
    Process rest = Process::Start(BinFile(L"many_windows.exe"), std::to_wstring(n - n / 10), L"");
    std::vector<qvx_test::FakeBrowser> browsers;
    std::vector<HWND> site;
    for (int i = 0; i < n / 10; ++i) {
      browsers.push_back(
          qvx_test::FakeBrowser::Open(options.browserArgs + L" https://" + keyword + L".test/" + std::to_wstring(i)));
      site.push_back(browsers.back().frame);
    }
    WaitFor([&] { return TopLevelWindowsOf(rest.Id(), true).size() == static_cast<size_t>(n - n / 10); }, 60s);
    Subject program(false, keyword, options.browserClass), reference(true, keyword, options.browserClass);
    Figures p, r;
    MeasureStarts(program, p, reference, r, options.starts);
    MeasureSideBySide(program, p, reference, r, site, options);
    Report(n, options, p, r);
  }
  return 0;
}
