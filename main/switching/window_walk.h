#pragma once
// The window walk: which of the open top-level windows are the site's browser windows, in
// ascending order of their handles.
#include <compare>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "main/switching/window_match.h"

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
  virtual bool IsVisibleWithoutOwner(WindowId window) = 0;
  virtual std::wstring Title(WindowId window) = 0;
  virtual std::wstring ClassName(WindowId window) = 0;
  virtual std::uint32_t ProcessId(WindowId window) = 0;
};

// A browser process; its windows of one class are built alike.
struct BrowserProcess {
  std::uint32_t processId = 0;
  std::wstring windowClass;
  auto operator<=>(const BrowserProcess&) const = default;
};

// A browser window whose title holds the browser text keyword: its address decides.
struct Candidate {
  WindowId window = 0;
  BrowserFamily family = BrowserFamily::None;
  BrowserProcess process;
};

// What reading a candidate's address gave.
struct AddressRead {
  enum class Outcome {
    Unreadable,      // not read: no answer, refused, or not finished in time
    NoAddressField,  // read, but nothing in it is an address bar (not a browser window)
    Address,         // the address shown (empty when the bar is missing or empty)
  };
  Outcome outcome = Outcome::Unreadable;
  std::wstring address;
};

// A visible, ownerless window of a browser class, with its title as the match reads it.
struct BrowserWindow {
  WindowId window = 0;
  BrowserFamily family = BrowserFamily::None;
  BrowserProcess process;
  std::wstring title;
};
// The visible, ownerless browser windows, in Z order; nothing is read here.
std::vector<BrowserWindow> ListBrowserWindows(WindowSource& windows);

// The browser windows with a non-empty title containing the keyword, in Z order, and the
// processes of all browser windows. The tests run in this order and stop at the first that
// fails; nothing is read here.
struct BrowserWindows {
  std::vector<Candidate> candidates;
  std::set<BrowserProcess> processes;
};
BrowserWindows SelectCandidates(const std::vector<BrowserWindow>& windows, std::wstring_view browserTextKeyword);

// Whether a candidate counts as the site's window. Internet Explorer's counts by the address in
// its address bar; a modern browser's by the address its accessibility tree shows, or, when the
// tree could not be read at all, by its title alone.
bool CountsAsSiteWindow(BrowserFamily family, const AddressRead& read, std::wstring_view urlKeyword);

// The candidates that count (reads[i] belongs to candidates[i]), ascending and each once.
std::vector<WindowId> SiteWindows(const std::vector<Candidate>& candidates, const std::vector<AddressRead>& reads,
                                  std::wstring_view urlKeyword);

} // namespace qvx
