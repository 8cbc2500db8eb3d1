#pragma once
// The site in a background tab: when no window shows the site, a "Toggle Between" press looks
// through the browsers' tab strips for a tab whose title holds the browser text keyword,
// selects it, and keeps it when the window's address then holds the URL keyword.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "main/switching/address_field.h"

namespace qvx {

// At most this many tabs are selected and checked in one press.
inline constexpr int kMostTabsTried = 3;

struct PageTab {
  AccessibleTree::Element element;
  std::wstring name;  // the page's title
};

// A window's first tab strip, found as the address field is (never inside page content or tab
// panels, within the same limits). Every tab's name is read, since it decides; the role and
// state only of the tabs whose name holds the keyword, which is what makes a long strip cheap.
// The strip is looked for along the path where it lay in the browser's windows before, with
// one question a level, and searched for when that path no longer leads to a tab strip.
struct TabStrip {
  std::vector<AccessibleTree::Element> tabs;  // every element of the strip, in order
  std::vector<PageTab> siteTabs;              // background tabs whose title holds the keyword
  FieldPath path;                             // where the strip lies
};
std::optional<TabStrip> ReadTabStrip(AccessibleTree& tree, std::wstring_view browserTextKeyword,
                                     const FieldPath& remembered = {});
// The tab the strip shows now; none when no tab says it is selected.
std::optional<AccessibleTree::Element> ShownTab(AccessibleTree& tree, const TabStrip& strip);

// What trying tabs needs of the browser windows, taken in ascending handle order.
class TabWindows {
 public:
  virtual ~TabWindows() = default;
  virtual std::size_t Count() = 0;
  virtual std::optional<TabStrip> Strip(std::size_t window) = 0;  // none: unreadable, skipped
  virtual std::optional<AccessibleTree::Element> Shown(std::size_t window, const TabStrip& strip) = 0;
  virtual bool Select(std::size_t window, AccessibleTree::Element tab) = 0;
  // The address the window shows once its selected tab changed; empty when it cannot be read.
  virtual std::wstring Address(std::size_t window, std::wstring_view before) = 0;
  // Whether a selection and its check still fit in the press's time.
  virtual bool TimeToTry() = 0;
};

struct ChosenTab {
  std::size_t window;
  std::wstring name;
};

// Tries the background tabs whose title holds the keyword, in window then tab order, at most
// kMostTabsTried: each is selected, and kept when the address then holds the URL keyword;
// otherwise the tab that was shown before is selected again. None when no tab holds the site.
std::optional<ChosenTab> SelectSiteTab(TabWindows& windows, std::wstring_view urlKeyword);

} // namespace qvx
