#include <algorithm>
#include <climits>
#include <cstdlib>

#include "driver.h"

namespace e2e {

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
  s.erase(std::remove(s.begin(), s.end(), L'&'), s.end());
  return s;
}

// The pixels that paint draws into a w x h bitmap of 32 bits per pixel.
std::vector<BYTE> Pixels(int w, int h, const std::function<void(HDC)>& paint) {
  BITMAPINFO bi{};
  bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  GdiFlush();
  std::vector<BYTE> pixels(static_cast<const BYTE*>(bits), static_cast<const BYTE*>(bits) + 4 * w * h);
  DeleteObject(SelectObject(dc, old));
  DeleteDC(dc);
  return pixels;
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
  const auto shown = Pixels(w, h, [&](HDC dc) {
    HDC screen = GetDC(nullptr);
    BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
  const COLORREF back = RGB(shown[2], shown[1], shown[0]);  // an icon's corner is transparent
  BoxIcon best = BoxIcon::Unknown;
  long long bestDifference = static_cast<long long>(w) * h * 3 * 24;  // beyond it: another picture
  for (auto [kind, id] : {std::pair{BoxIcon::Information, IDI_INFORMATION}, {BoxIcon::Exclamation, IDI_WARNING},
                          {BoxIcon::Critical, IDI_ERROR}, {BoxIcon::Question, IDI_QUESTION}}) {
    const auto drawn = Pixels(w, h, [&](HDC dc) {
      HBRUSH brush = CreateSolidBrush(back);
      RECT all{0, 0, w, h};
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      DrawIconEx(dc, 0, 0, LoadIconW(nullptr, id), w, h, 0, nullptr, DI_NORMAL);
    });
    long long d = 0;
    for (size_t i = 0; i < shown.size(); ++i) d += i % 4 == 3 ? 0 : std::abs(shown[i] - drawn[i]);
    if (d <= bestDifference) bestDifference = d, best = kind;
  }
  return best;
}

HWND MessageBoxOf(DWORD processId) {
  for (HWND w : TopLevelWindowsOf(processId, true)) {
    if (ClassOf(w) == L"#32770" && ChildById(w, kMessageTextId)) return w;
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
  MessageBoxSeen seen{box, TextOf(box), TextOf(ChildById(box, kMessageTextId)), RecogniseIcon(box), {}};
  for (HWND b : Children(box, L"Button")) {
    if (IsWindowVisible(b)) seen.buttons.push_back(Caption(b));
  }
  return seen;
}

bool NoMessageBoxFor(DWORD processId, Millis period) {
  return StaysFalse([&] { return MessageBoxOf(processId) != nullptr; }, period);
}

} // namespace e2e
