#include "driver.h"

#include <tlhelp32.h>

#include "common/scoped_win32.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;

bool WaitFor(const std::function<bool()>& condition, Millis timeout) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  for (MSG msg; !condition(); std::this_thread::sleep_for(20ms)) {
    if (std::chrono::steady_clock::now() >= deadline) return false;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
  }
  return true;
}

std::wstring BinDir() {
  wchar_t path[MAX_PATH];
  const std::wstring p(path, GetModuleFileNameW(nullptr, path, MAX_PATH));
  return p.substr(0, p.find_last_of(L'\\'));
}

TempDir::TempDir() {
  wchar_t name[MAX_PATH];  // a unique name, taken by an empty file that gives way to the directory
  GetTempFileNameW(fs::temp_directory_path().c_str(), L"qvx", 0, name);
  DeleteFileW(name);
  CreateDirectoryW(name, nullptr);
  GetLongPathNameW(name, name, MAX_PATH);  // the long form, as the programs report theirs
  path_ = name;
}

TempDir::~TempDir() {
  std::error_code ignored;
  fs::remove_all(path_, ignored);
}

std::optional<std::string> ReadFileBytes(const std::wstring& path) {
  // Full sharing, delete included, or the program under test could not replace the file.
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string bytes;
  char buffer[4096];
  for (DWORD read = 0; ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0;) bytes.append(buffer, read);
  CloseHandle(file);
  return bytes;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  std::ofstream file(fs::path(path), std::ios::binary | std::ios::trunc);
  return static_cast<bool>(file.write(bytes.data(), static_cast<std::streamsize>(bytes.size())).flush());
}

void CopyInto(const std::wstring& file, const std::wstring& dir, const std::wstring& newName) {
  const std::wstring name = newName.empty() ? file.substr(file.find_last_of(L'\\') + 1) : newName;
  CopyFileW(file.c_str(), (dir + L"\\" + name).c_str(), FALSE);
}

static void EmptyDirectory(const std::wstring& dir) {
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(dir, ignored)) fs::remove_all(entry.path(), ignored);
}

ScratchDrive::ScratchDrive() : ok_(GetFileAttributesW(L"Q:\\") != INVALID_FILE_ATTRIBUTES) { EmptyDirectory(Root()); }
ScratchDrive::~ScratchDrive() { EmptyDirectory(Root()); }

Process Process::Start(const std::wstring& exe, const std::wstring& args, const std::wstring& workingDir) {
  std::wstring commandLine = L"\"" + exe + L"\"" + (args.empty() ? L"" : L" " + args);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  Process p;
  if (CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    p.handle_.reset(pi.hProcess);
    p.id_ = pi.dwProcessId;
  }
  return p;
}

void Process::End::operator()(HANDLE process) const {
  if (TerminateProcess(process, 1)) WaitForSingleObject(process, 10000);  // fails when it has ended
  CloseHandle(process);
}


std::vector<HWND> TopLevelWindowsOf(DWORD processId, bool visibleOnly) {
  std::vector<HWND> found;
  for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(w, &owner);
    if (owner == processId && (!visibleOnly || IsWindowVisible(w))) found.push_back(w);
  }
  return found;
}

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  return std::wstring(name, GetClassNameW(window, name, 256));
}

std::wstring TextOf(HWND window) {
  wchar_t text[4096] = {};
  DWORD_PTR copied = 0;
  SendMessageTimeoutW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
  return std::wstring(text, std::min<size_t>(copied, 4095));
}

HWND FindTopLevel(DWORD processId, const std::wstring& className, const std::wstring& title, bool visibleOnly) {
  for (HWND w : TopLevelWindowsOf(processId, visibleOnly)) {
    if (ClassOf(w) == className && (title.empty() || TextOf(w) == title)) return w;
  }
  return nullptr;
}

bool HasLoadedModule(DWORD processId, const std::wstring& fileName) {
  const qvx::ScopedFile snapshot(  // INVALID_HANDLE_VALUE on failure, as a file handle
      CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
  if (!snapshot) return false;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot.Get(), &module); more; more = Module32NextW(snapshot.Get(), &module)) {
    if (lstrcmpiW(module.szModule, fileName.c_str()) == 0) return true;
  }
  return false;
}

HWND ChildById(HWND parent, int id) {
  std::pair<int, HWND> query{id, nullptr};
  EnumChildWindows(parent, [](HWND w, LPARAM p) -> BOOL {
    auto* q = reinterpret_cast<std::pair<int, HWND>*>(p);
    return GetDlgCtrlID(w) == q->first ? (q->second = w, FALSE) : TRUE;
  }, reinterpret_cast<LPARAM>(&query));
  return query.second;
}

std::wstring ScreenshotPath(const std::wstring& name) {
  wchar_t dir[MAX_PATH] = {};
  if (!GetEnvironmentVariableW(L"QVX_SCREENSHOT_DIR", dir, MAX_PATH)) GetTempPathW(MAX_PATH, dir);
  return (fs::path(dir) / name).wstring();
}

bool Screenshot(const std::wstring& pngPath, HWND window) {
  // Wine runs a Unix program given by its path on Z:, the Unix root, and returns at once.
  using ToUnix = char*(CDECL*)(LPCWSTR);
  const auto toUnix = reinterpret_cast<ToUnix>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
  char* target = toUnix ? toUnix(pngPath.c_str()) : nullptr;
  if (!target) return false;
  RECT r{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  if (window) GetWindowRect(window, &r);
  const std::string args = "-window root -crop " + std::to_string(r.right - r.left) + "x" +
                           std::to_string(r.bottom - r.top) + "+" + std::to_string(std::max<LONG>(0, r.left)) + "+" +
                           std::to_string(std::max<LONG>(0, r.top)) + " +repage \"" + target + "\"";
  HeapFree(GetProcessHeap(), 0, target);
  DeleteFileW(pngPath.c_str());
  Process::Start(L"Z:\\usr\\bin\\import", fs::path(args).wstring(), L"");
  return WaitFor([&] { return GetFileAttributesW(pngPath.c_str()) != INVALID_FILE_ATTRIBUTES; }, 30s);
}

void PressChord(std::initializer_list<WORD> keys) {
  std::vector<INPUT> inputs;
  const auto key = [&](WORD vk, DWORD flags) {
    inputs.push_back(INPUT{INPUT_KEYBOARD, {}});
    inputs.back().ki = KEYBDINPUT{vk, static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC)), flags, 0, 0};
  };
  for (WORD k : keys) key(k, 0);
  for (auto it = keys.end(); it != keys.begin();) key(*--it, KEYEVENTF_KEYUP);
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<HWND> TrayIcons() {
  std::vector<HWND> icons;
  HWND tray = FindWindowW(L"__winex11_standalone_tray", nullptr);
  for (HWND c = tray ? GetWindow(tray, GW_CHILD) : nullptr; c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (IsWindowVisible(c)) icons.push_back(c);
  }
  return icons;
}

static void Post(HWND icon, std::initializer_list<UINT> messages) {
  for (UINT m : messages) PostMessageW(icon, m, 0, MAKELPARAM(8, 8));  // Wine's tray reads the point only
}

void LeftClick(HWND icon) { Post(icon, {WM_LBUTTONDOWN, WM_LBUTTONUP}); }
void DoubleClick(HWND icon) { Post(icon, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP}); }
void RightClick(HWND icon) { Post(icon, {WM_RBUTTONDOWN, WM_RBUTTONUP}); }

bool HotkeyIsFree(UINT modifiers, UINT key) {
  static int id = 0x3000;
  return RegisterHotKey(nullptr, ++id, modifiers, key) && UnregisterHotKey(nullptr, id);
}

QuorvexApp::QuorvexApp(const std::wstring& dir) : dir_(dir) {
  if (GetFileAttributesW(File(kMainExe).c_str()) == INVALID_FILE_ATTRIBUTES) CopyInto(BinFile(kMainExe), dir_);
}

bool QuorvexApp::WaitUntilRunning(Millis timeout) {
  return WaitUntilInTray(timeout) && WaitFor([&] { return FileHolds(File(L"QuorvexStatus.txt"), "1\r\n"); }, timeout);
}

bool QuorvexApp::WaitUntilInTray(Millis timeout) {
  return WaitFor([&] {
    HWND main = FindTopLevel(Pid(), kMainWindowClass);
    return main && GetPropW(main, L"QuorvexInTray");
  }, timeout);
}



namespace {
constexpr int kMessageTextId = 0xFFFF;

std::vector<HWND> Children(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == className) found.push_back(c);
  }
  return found;
}

std::wstring Caption(HWND button) {
  std::wstring s = TextOf(button);
  return std::erase(s, L'&'), s;
}

// A box's icon is drawn by another process, whose icon handles mean nothing here: what the
// screen shows is compared with each standard icon drawn alike on the same background.
BoxIcon RecogniseIcon(HWND box) {
  RECT r{};
  for (HWND c : Children(box, L"Static")) {
    if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c)) GetWindowRect(c, &r);
  }
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return BoxIcon::None;
  SetForegroundWindow(box);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  HDC screen = GetDC(nullptr), shown = CreateCompatibleDC(screen), drawn = CreateCompatibleDC(screen);
  HGDIOBJ oldShown = SelectObject(shown, CreateCompatibleBitmap(screen, w, h));
  HGDIOBJ oldDrawn = SelectObject(drawn, CreateCompatibleBitmap(screen, w, h));
  BitBlt(shown, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
  HBRUSH back = CreateSolidBrush(GetPixel(shown, 0, 0));  // an icon's corner is transparent
  const RECT all{0, 0, w, h};
  BoxIcon best = BoxIcon::Unknown;
  long long bestDifference = static_cast<long long>(w) * h * 3 * 24;  // beyond it: another picture
  for (auto [kind, id] : {std::pair{BoxIcon::Information, IDI_INFORMATION}, {BoxIcon::Exclamation, IDI_WARNING},
                          {BoxIcon::Critical, IDI_ERROR}, {BoxIcon::Question, IDI_QUESTION}}) {
    FillRect(drawn, &all, back);
    DrawIconEx(drawn, 0, 0, LoadIconW(nullptr, id), w, h, 0, nullptr, DI_NORMAL);
    long long d = 0;
    for (int i = 0; i < w * h; ++i) {
      const COLORREF a = GetPixel(shown, i % w, i / w), b = GetPixel(drawn, i % w, i / w);
      for (int s = 0; s < 24; s += 8) d += std::abs(int((a >> s) & 0xFF) - int((b >> s) & 0xFF));
    }
    if (d <= bestDifference) bestDifference = d, best = kind;
  }
  DeleteObject(back), DeleteObject(SelectObject(shown, oldShown)), DeleteObject(SelectObject(drawn, oldDrawn));
  DeleteDC(shown), DeleteDC(drawn), ReleaseDC(nullptr, screen);
  return best;
}

HWND MessageBoxOf(DWORD processId) {
  for (HWND w : TopLevelWindowsOf(processId, true)) {
    // A dialog's labels may carry the same id as a box's text; only a box has nothing but
    // the standard answer buttons (IDOK to IDCONTINUE).
    const auto buttons = Children(w, L"Button");
    const bool onlyAnswers = std::all_of(buttons.begin(), buttons.end(), [](HWND b) { return GetDlgCtrlID(b) <= IDCONTINUE; });
    if (ClassOf(w) == L"#32770" && ChildById(w, kMessageTextId) && onlyAnswers) return w;
  }
  return nullptr;
}
} // namespace

const char* ToString(BoxIcon icon) {
  static const char* const names[] = {"none", "information", "exclamation", "critical", "question", "unknown"};
  return names[static_cast<int>(icon)];
}

bool MessageBoxSeen::Press(const std::wstring& caption) const {
  for (HWND b : Children(window, L"Button")) {
    if (Caption(b) != caption) continue;
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), reinterpret_cast<LPARAM>(b));
    return WaitFor([this] { return !IsWindow(window); });
  }
  return false;
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, Millis timeout) {
  HWND box = nullptr;
  if (!WaitFor([&] { return (box = MessageBoxOf(processId)) != nullptr; }, timeout)) return std::nullopt;
  // The box may not have painted its icon yet: it is looked at again until one is recognised.
  BoxIcon icon = BoxIcon::Unknown;
  WaitFor([&] { return (icon = RecogniseIcon(box)) != BoxIcon::Unknown || !IsWindow(box); }, 3s);
  MessageBoxSeen seen{box, TextOf(box), TextOf(ChildById(box, kMessageTextId)), icon, {}};
  for (HWND b : Children(box, L"Button")) {
    if (IsWindowVisible(b)) seen.buttons.push_back(Caption(b));
  }
  return seen;
}

bool NoMessageBoxFor(DWORD processId, Millis period) {
  return StaysFalse([&] { return MessageBoxOf(processId) != nullptr; }, period);
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  if (const HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) text = chars;
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

} // namespace e2e
