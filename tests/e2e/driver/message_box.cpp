#include <algorithm>
#include <climits>
#include <cstdlib>

#include "driver.h"

namespace e2e {

namespace {
constexpr int kMessageTextId = 0xFFFF;

bool IsMessageBox(HWND w) { return ClassOf(w) == L"#32770" && ChildById(w, kMessageTextId) != nullptr; }

std::vector<HWND> ChildrenOfClass(HWND parent, const std::wstring& className) {
  std::vector<HWND> found;
  for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
    if (ClassOf(c) == className) found.push_back(c);
  }
  return found;
}

std::wstring WithoutAmpersands(std::wstring s) {
  s.erase(std::remove(s.begin(), s.end(), L'&'), s.end());
  return s;
}

// 32-bit pixels of a screen rectangle, or of an icon drawn on a plain background.
std::vector<DWORD> Pixels(int width, int height, const std::function<void(HDC)>& paint) {
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(dc, bitmap);
  paint(dc);
  GdiFlush();
  std::vector<DWORD> pixels(static_cast<const DWORD*>(bits), static_cast<const DWORD*>(bits) + width * height);
  SelectObject(dc, old);
  DeleteObject(bitmap);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  return pixels;
}

long long Difference(const std::vector<DWORD>& a, const std::vector<DWORD>& b) {
  long long sum = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    for (int shift = 0; shift < 24; shift += 8) {
      sum += std::abs(static_cast<int>((a[i] >> shift) & 0xFF) - static_cast<int>((b[i] >> shift) & 0xFF));
    }
  }
  return sum;
}

// A message box's icon is drawn by another process, whose icon handles mean nothing here: the
// icon is recognised by comparing what the screen shows with each standard icon drawn alike.
BoxIcon RecogniseIcon(HWND box) {
  HWND iconControl = nullptr;
  for (HWND c : ChildrenOfClass(box, L"Static")) {
    if ((GetWindowLongW(c, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(c)) iconControl = c;
  }
  if (!iconControl) return BoxIcon::None;
  RECT r{};
  GetWindowRect(iconControl, &r);
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return BoxIcon::None;
  SetForegroundWindow(box);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  const auto shown = Pixels(w, h, [&](HDC dc) {
    HDC screen = GetDC(nullptr);
    BitBlt(dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
  });
  const DWORD background = shown.front();  // an icon's corner is transparent
  struct Candidate {
    BoxIcon icon;
    LPCWSTR id;
  } candidates[] = {{BoxIcon::Information, IDI_INFORMATION}, {BoxIcon::Exclamation, IDI_WARNING},
                    {BoxIcon::Critical, IDI_ERROR}, {BoxIcon::Question, IDI_QUESTION}};
  BoxIcon best = BoxIcon::Unknown;
  long long bestDifference = LLONG_MAX;
  for (const auto& c : candidates) {
    HICON icon = LoadIconW(nullptr, c.id);
    const auto drawn = Pixels(w, h, [&](HDC dc) {
      HBRUSH brush = CreateSolidBrush(RGB((background >> 16) & 0xFF, (background >> 8) & 0xFF, background & 0xFF));
      RECT all{0, 0, w, h};
      FillRect(dc, &all, brush);
      DeleteObject(brush);
      DrawIconEx(dc, 0, 0, icon, w, h, 0, nullptr, DI_NORMAL);
    });
    const long long d = Difference(shown, drawn);
    if (d < bestDifference) {
      bestDifference = d;
      best = c.icon;
    }
  }
  // Far from every standard icon: something else is shown.
  return bestDifference <= static_cast<long long>(w) * h * 3 * 24 ? best : BoxIcon::Unknown;
}
} // namespace

const char* ToString(BoxIcon icon) {
  switch (icon) {
    case BoxIcon::None: return "none";
    case BoxIcon::Information: return "information";
    case BoxIcon::Exclamation: return "exclamation";
    case BoxIcon::Critical: return "critical";
    case BoxIcon::Question: return "question";
    case BoxIcon::Unknown: break;
  }
  return "unknown";
}

bool MessageBoxSeen::Press(const std::wstring& caption) const {
  for (HWND b : ChildrenOfClass(window, L"Button")) {
    if (WithoutAmpersands(TextOf(b)) == caption) {
      PostMessageW(window, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(b), BN_CLICKED), reinterpret_cast<LPARAM>(b));
      return WaitFor([this] { return !IsWindow(window); });
    }
  }
  return false;
}

std::optional<MessageBoxSeen> WaitForMessageBox(DWORD processId, Millis timeout) {
  HWND box = nullptr;
  WaitFor([&] {
    for (HWND w : TopLevelWindowsOf(processId, true)) {
      if (IsMessageBox(w)) {
        box = w;
        return true;
      }
    }
    return false;
  }, timeout);
  if (!box) return std::nullopt;
  MessageBoxSeen seen;
  seen.window = box;
  seen.title = TextOf(box);
  seen.text = TextOf(ChildById(box, kMessageTextId));
  for (HWND b : ChildrenOfClass(box, L"Button")) {
    if (IsWindowVisible(b)) seen.buttons.push_back(WithoutAmpersands(TextOf(b)));
  }
  seen.icon = RecogniseIcon(box);
  return seen;
}

bool NoMessageBoxFor(DWORD processId, Millis period) {
  return StaysFalse([&] {
    for (HWND w : TopLevelWindowsOf(processId, true)) {
      if (IsMessageBox(w)) return true;
    }
    return false;
  }, period);
}

} // namespace e2e
