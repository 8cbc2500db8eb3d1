#include "main/switching/window_walk_win32.h"

#include <algorithm>
#include <cstdint>

namespace qvx {

namespace {
// The address bar belongs to another program: a browser that does not answer within this time
// counts as having no address.
constexpr UINT kAddressReadTimeoutMs = 1000;
// Far beyond any real address; it bounds what a misbehaving window can make us allocate.
constexpr DWORD_PTR kAddressMaxChars = 65536;

constexpr const wchar_t* kAddressBarChain[] = {L"WorkerW", L"ReBarWindow32", L"ComboBoxEx32", L"ComboBox", L"Edit"};

class ScreenWindows final : public WindowSource {
 public:
  std::vector<WindowId> TopLevelWindows() override {
    // EnumWindows takes its list before calling back, so windows that open, close or change
    // their Z order during the walk cannot make it loop or skip the rest.
    std::vector<WindowId> ids;
    EnumWindows(
        [](HWND window, LPARAM list) -> BOOL {
          reinterpret_cast<std::vector<WindowId>*>(list)->push_back(ToWindowId(window));
          return TRUE;
        },
        reinterpret_cast<LPARAM>(&ids));
    return ids;
  }
  bool IsVisibleWithoutOwner(WindowId window) override { return qvx::IsVisibleWithoutOwner(ToHwnd(window)); }
  // The title of another program's window is kept by the system: reading it sends nothing.
  std::wstring Title(WindowId window) override {
    wchar_t buffer[kTitleReadLimit];
    const int length = GetWindowTextW(ToHwnd(window), buffer, static_cast<int>(kTitleReadLimit));
    return std::wstring(buffer, static_cast<std::size_t>(std::max(length, 0)));
  }
  std::uint32_t ProcessId(WindowId window) override {
    DWORD process = 0;
    GetWindowThreadProcessId(ToHwnd(window), &process);
    return process;
  }
  std::wstring ClassName(WindowId window) override {
    wchar_t buffer[kClassReadLimit];
    const int length = GetClassNameW(ToHwnd(window), buffer, static_cast<int>(kClassReadLimit));
    return std::wstring(buffer, static_cast<std::size_t>(std::max(length, 0)));
  }
};
} // namespace

WindowId ToWindowId(HWND window) {
  return static_cast<WindowId>(reinterpret_cast<std::intptr_t>(window));
}

HWND ToHwnd(WindowId window) {
  // Sign-extended, as 64-bit Windows widens the 32 significant bits of a handle.
  return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window));
}

bool IsVisibleWithoutOwner(HWND window) {
  return IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr;
}

std::vector<BrowserWindow> BrowserWindowsOnScreen() {
  ScreenWindows screen;
  return ListBrowserWindows(screen);
}

BrowserWindows FindCandidatesOnScreen(std::wstring_view browserTextKeyword) {
  return SelectCandidates(BrowserWindowsOnScreen(), browserTextKeyword);
}

std::wstring ReadAddressBar(HWND frame) {
  HWND link = frame;
  for (const wchar_t* className : kAddressBarChain) {
    // A null parent would make FindWindowEx search the top-level windows instead.
    if (!link) return std::wstring();
    link = FindWindowExW(link, nullptr, className, nullptr);
  }
  if (!link) return std::wstring();
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(link, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAddressReadTimeoutMs, &length)) {
    return std::wstring();
  }
  length = std::min(length, kAddressMaxChars);
  std::wstring text(length + 1, L' ');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(link, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                           kAddressReadTimeoutMs, &copied)) {
    return std::wstring();
  }
  text.resize(std::min(copied, length));
  return text;
}

} // namespace qvx
