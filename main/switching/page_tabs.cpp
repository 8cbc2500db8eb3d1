#include "main/switching/page_tabs.h"

namespace qvx {

std::optional<std::vector<PageTab>> ReadPageTabs(AccessibleTree& tree) {
  const TreeSearch strip = SearchTree(tree, [](AccessibleTree&, AccessibleTree::Element, long role, bool) {
    return role == kRolePageTabList;
  });
  if (strip.end != TreeSearch::End::Found) return std::nullopt;
  const auto children = tree.Children(strip.element, kAddressSearchElements);
  if (!children) return std::nullopt;
  std::vector<PageTab> tabs;
  for (AccessibleTree::Element child : *children) {
    if (tree.Role(child) != kRolePageTab) continue;  // the new-tab button and the like
    const bool selected = (tree.State(child) & kStateSelected) != 0;
    tabs.push_back({child, tree.Name(child), selected});
  }
  return tabs;
}

namespace {
bool IsSiteTab(const PageTab& tab, std::wstring_view browserTextKeyword) {
  return !tab.selected && !tab.name.empty() && TitleMatches(tab.name, browserTextKeyword);
}
} // namespace

const PageTab* FirstSiteTab(const std::vector<PageTab>& tabs, std::wstring_view browserTextKeyword) {
  for (const PageTab& tab : tabs) {
    if (IsSiteTab(tab, browserTextKeyword)) return &tab;
  }
  return nullptr;
}

std::optional<ChosenTab> SelectSiteTab(TabWindows& windows, std::wstring_view browserTextKeyword,
                                       std::wstring_view urlKeyword) {
  int tried = 0;
  for (std::size_t window = 0; window < windows.Count() && !windows.Stopped(); ++window) {
    const auto tabs = windows.Tabs(window);
    if (!tabs) continue;  // unreadable: skipped
    const PageTab* shown = nullptr;
    for (const PageTab& tab : *tabs) {
      if (tab.selected) shown = &tab;
    }
    std::optional<std::wstring> before;  // the address shown before the first selection
    for (const PageTab& tab : *tabs) {
      if (!IsSiteTab(tab, browserTextKeyword)) continue;
      if (tried == kMostTabsTried || windows.Stopped()) return std::nullopt;
      ++tried;
      if (!before) before = windows.Address(window, L"");
      if (!windows.Select(window, tab)) continue;
      if (AddressMatches(windows.Address(window, *before), urlKeyword)) return ChosenTab{window, tab.name};
      // Another site with the same title word: the user's tab comes back.
      if (shown) windows.Select(window, *shown);
    }
  }
  return std::nullopt;
}

} // namespace qvx
