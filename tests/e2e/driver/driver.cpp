#include "driver.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <thread>

namespace e2e {

// ---- waiting ----------------------------------------------------------------------------
namespace {
void PumpMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
} // namespace

bool WaitFor(const std::function<bool()>& condition, Millis timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (;;) {
    if (condition()) return true;
    if (std::chrono::steady_clock::now() >= deadline) return false;
    PumpMessages();
    std::this_thread::sleep_for(20ms);
  }
}

bool StaysFalse(const std::function<bool()>& condition, Millis period) {
  return !WaitFor(condition, period);
}

// ---- files ------------------------------------------------------------------------------
std::wstring BinDir() {
  wchar_t path[MAX_PATH];
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring p(path, n);
  return p.substr(0, p.find_last_of(L'\\'));
}

std::wstring BinFile(const std::wstring& name) { return BinDir() + L"\\" + name; }

TempDir::TempDir() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  static unsigned counter = 0;
  for (;;) {
    path_ = std::wstring(base) + L"qvx-e2e-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
            std::to_wstring(++counter);
    if (CreateDirectoryW(path_.c_str(), nullptr)) break;
  }
  // The long form, as the programs report their own directory.
  wchar_t longPath[MAX_PATH];
  if (GetLongPathNameW(path_.c_str(), longPath, MAX_PATH)) path_ = longPath;
}

TempDir::~TempDir() { RemoveTree(path_); }

std::wstring TempDir::File(const std::wstring& name) const { return path_ + L"\\" + name; }

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  DWORD read = 0;
  while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                  written == bytes.size();
  CloseHandle(file);
  return ok;
}

bool FileHolds(const std::wstring& path, const std::string& bytes) {
  const auto content = ReadFileBytes(path);
  return content && *content == bytes;
}

void CopyInto(const std::wstring& file, const std::wstring& dir, const std::wstring& newName) {
  const std::wstring name = newName.empty() ? file.substr(file.find_last_of(L'\\') + 1) : newName;
  CopyFileW(file.c_str(), (dir + L"\\" + name).c_str(), FALSE);
}

void EmptyDirectory(const std::wstring& dir) {
  const std::wstring prefix = !dir.empty() && dir.back() == L'\\' ? dir : dir + L"\\";
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((prefix + L"*").c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return;
  do {
    const std::wstring name = data.cFileName;
    if (name == L"." || name == L"..") continue;
    const std::wstring child = prefix + name;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      RemoveTree(child);
    } else {
      SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(child.c_str());
    }
  } while (FindNextFileW(find, &data));
  FindClose(find);
}

void RemoveTree(const std::wstring& path) {
  if (path.size() < 4) return;  // never a drive root
  EmptyDirectory(path);
  RemoveDirectoryW(path.c_str());
}

// ---- processes --------------------------------------------------------------------------
Process Process::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir) {
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!args.empty()) commandLine += L" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  Process p;
  if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    p.handle_ = pi.hProcess;
    p.id_ = pi.dwProcessId;
  }
  return p;
}

Process::Process(Process&& other) noexcept : handle_(other.handle_), id_(other.id_) {
  other.handle_ = nullptr;
  other.id_ = 0;
}

Process& Process::operator=(Process&& other) noexcept {
  if (this != &other) {
    Kill();
    if (handle_) CloseHandle(handle_);
    handle_ = other.handle_;
    id_ = other.id_;
    other.handle_ = nullptr;
    other.id_ = 0;
  }
  return *this;
}

Process::~Process() {
  Kill();
  if (handle_) CloseHandle(handle_);
}

bool Process::IsRunning() const { return handle_ && WaitForSingleObject(handle_, 0) == WAIT_TIMEOUT; }

bool Process::WaitForExit(Millis timeout) const {
  return handle_ && WaitFor([this] { return !IsRunning(); }, timeout);
}

bool Process::WaitForInputIdle(Millis timeout) const {
  return handle_ && ::WaitForInputIdle(handle_, static_cast<DWORD>(timeout.count())) == 0;
}

DWORD Process::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (handle_) GetExitCodeProcess(handle_, &code);
  return code;
}

void Process::Kill() {
  if (IsRunning()) {
    TerminateProcess(handle_, 1);
    WaitForSingleObject(handle_, 10000);
  }
}

// ---- windows ----------------------------------------------------------------------------
std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly) {
  struct Query {
    DWORD pid;
    bool visibleOnly;
    std::vector<HWND> found;
  } query{processId, visibleOnly, {}};
  EnumWindows([](HWND w, LPARAM p) -> BOOL {
    auto* q = reinterpret_cast<Query*>(p);
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == q->pid && (!q->visibleOnly || IsWindowVisible(w))) q->found.push_back(w);
    return TRUE;
  }, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  GetClassNameW(window, name, 256);
  return name;
}

std::wstring TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length)) return L"";
  std::wstring text(length + 1, L'\0');
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                      &copied);
  text.resize(std::min<size_t>(copied, length));
  return text;
}

HWND FindTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title, bool visibleOnly) {
  for (HWND w : TopLevelWindowsOf(processId, visibleOnly)) {
    if (ClassOf(w) == className && (title.empty() || TextOf(w) == title)) return w;
  }
  return nullptr;
}

HWND WaitForTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title, bool visibleOnly,
                     Millis timeout) {
  HWND found = nullptr;
  WaitFor([&] { return (found = FindTopLevel(processId, className, title, visibleOnly)) != nullptr; }, timeout);
  return found;
}

HWND ChildById(HWND parent, int id) {
  struct Query {
    int id;
    HWND found;
  } query{id, nullptr};
  EnumChildWindows(parent, [](HWND w, LPARAM p) -> BOOL {
    auto* q = reinterpret_cast<Query*>(p);
    if (GetDlgCtrlID(w) == q->id) {
      q->found = w;
      return FALSE;
    }
    return TRUE;
  }, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

// ---- screenshots ------------------------------------------------------------------------
ScratchDrive::ScratchDrive() {
  ok_ = GetFileAttributesW(Root().c_str()) != INVALID_FILE_ATTRIBUTES;
  if (ok_) Empty();
}

ScratchDrive::~ScratchDrive() {
  if (ok_) Empty();
}

void ScratchDrive::Empty() const { EmptyDirectory(Root()); }

namespace {
// Wine runs a Unix program given by its path on a Wine drive; Z: is the Unix root.
std::wstring UnixPathOf(const std::wstring& windowsPath) {
  using ToUnix = char*(CDECL*)(LPCWSTR);
  static auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  if (!toUnix) return L"";
  char* unixPath = toUnix(windowsPath.c_str());
  if (!unixPath) return L"";
  std::wstring result(unixPath, unixPath + strlen(unixPath));
  HeapFree(GetProcessHeap(), 0, unixPath);
  return result;
}
} // namespace

std::wstring ScreenshotPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QVX_SCREENSHOT_DIR", dir, MAX_PATH)) GetTempPathW(MAX_PATH, dir);
  std::wstring path = dir;
  if (!path.empty() && path.back() != L'\\') path += L'\\';
  return path + name;
}

bool Screenshot(const std::wstring& pngPath, HWND window) {
  const std::wstring target = UnixPathOf(pngPath);
  if (target.empty()) return false;
  std::wstring args = L"-window root";
  if (window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int margin = 4;
    args += L" -crop " + std::to_wstring(r.right - r.left + 2 * margin) + L"x" +
            std::to_wstring(r.bottom - r.top + 2 * margin) + L"+" + std::to_wstring(std::max<LONG>(0, r.left - margin)) +
            L"+" + std::to_wstring(std::max<LONG>(0, r.top - margin)) + L" +repage";
  }
  // Another process's window reaches the X screen a moment after it is shown: until then the
  // picture is the flat black root, which compresses to a few hundred bytes at most.
  const auto size = [&]() -> long long {
    WIN32_FILE_ATTRIBUTE_DATA info{};
    if (!GetFileAttributesExW(pngPath.c_str(), GetFileExInfoStandard, &info)) return -1;
    return (static_cast<long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  };
  // Wine hands a Unix program over and returns at once, without a process handle to wait on,
  // so the picture is done when the file has appeared and stops growing.
  const auto shoot = [&] {
    DeleteFileW(pngPath.c_str());
    Process::Start(L"Z:\\usr\\bin\\import", args + L" \"" + target + L"\"", L"");
    long long last = -1;
    return WaitFor([&] {
      const long long now = size();
      const bool done = now > 0 && now == last;
      last = now;
      return done;
    }, 30s);
  };
  if (!shoot()) return false;
  if (window) {
    WaitFor([&] { return size() > 400 || !shoot(); }, 10s);
  }
  return GetFileAttributesW(pngPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

} // namespace e2e
