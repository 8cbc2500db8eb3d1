#pragma once
// The window walk: which of the open top-level windows are the site's browser windows, in
// ascending order of their handles.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qvx {

// A window handle as the walk and the toggle keep it: its 32-bit value, compared signed.
// Window handles carry 32 significant bits on 32- and 64-bit Windows alike.
using WindowId = std::int32_t;

// What the walk asks the window system about the windows on the screen.
class WindowSource {
 public:
  virtual ~WindowSource() = default;
  // The top-level windows, highest in the Z order first.
  virtual std::vector<WindowId> TopLevelWindows() = 0;
  // Visible and without an owner window.
  virtual bool IsTopLevelWindow(WindowId window) = 0;
  virtual std::wstring Title(WindowId window) = 0;
  virtual std::wstring ClassName(WindowId window) = 0;
  // The text of the address bar, empty when the bar is missing or empty.
  virtual std::wstring GetTheURL(WindowId window) = 0;
};

// List1: the handles of the visible, ownerless windows with a non-empty title containing the
// browser text keyword, a class name containing "IEFRAME" and an address containing the URL
// keyword, in ascending signed order. The tests run in this order and stop at the first that
// fails, so the costly address read happens only for windows that passed all others.
std::vector<WindowId> CollectMatchingWindows(WindowSource& windows, std::wstring_view browserTextKeyword,
                                             std::wstring_view urlKeyword);

} // namespace qvx
