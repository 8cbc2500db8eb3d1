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
  bool selected;
};

// The tabs of the window's first tab strip, found as the address field is (never inside page
// content or tab panels, within the same limits); none when the tree could not be searched to
// the tab strip.
std::optional<std::vector<PageTab>> ReadPageTabs(AccessibleTree& tree);

// The first background tab whose title holds the keyword; none when there is none.
const PageTab* FirstSiteTab(const std::vector<PageTab>& tabs, std::wstring_view browserTextKeyword);

// What trying tabs needs of the browser windows, taken in ascending handle order.
class TabWindows {
 public:
  virtual ~TabWindows() = default;
  virtual std::size_t Count() = 0;
  virtual std::optional<std::vector<PageTab>> Tabs(std::size_t window) = 0;
  virtual bool Select(std::size_t window, const PageTab& tab) = 0;
  // The address the window shows once its selected tab changed; empty when it cannot be read.
  virtual std::wstring Address(std::size_t window, std::wstring_view before) = 0;
  virtual bool Stopped() = 0;  // the press is over: nothing more is selected
};

struct ChosenTab {
  std::size_t window;
  std::wstring name;
};

// Tries the tabs whose title holds the keyword, in window then tab order, at most
// kMostTabsTried: each is selected, and kept when the address then holds the URL keyword;
// otherwise the tab that was selected before is selected again. None when no tab holds the site.
std::optional<ChosenTab> SelectSiteTab(TabWindows& windows, std::wstring_view browserTextKeyword,
                                       std::wstring_view urlKeyword);

} // namespace qvx
