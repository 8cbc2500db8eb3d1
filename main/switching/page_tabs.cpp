#include "main/switching/page_tabs.h"

namespace qvx {

namespace {
std::optional<AccessibleTree::Element> FollowPath(AccessibleTree& tree, const FieldPath& path) {
  AccessibleTree::Element element = AccessibleTree::kWindow;
  for (const FieldPath::Step& step : path.steps) {
    const auto child = tree.Child(element, step.position);
    if (!child) return std::nullopt;
    element = *child;
  }
  return element;
}
} // namespace

std::optional<TabStrip> ReadTabStrip(AccessibleTree& tree, std::wstring_view browserTextKeyword,
                                     const FieldPath& remembered) {
  FieldPath path = remembered;
  std::optional<AccessibleTree::Element> list;
  if (!path.Empty()) list = FollowPath(tree, path);
  if (!list || tree.Role(*list) != kRolePageTabList) {
    const TreeSearch found = SearchTree(tree, [](AccessibleTree&, AccessibleTree::Element, long role, bool) {
      return role == kRolePageTabList;
    });
    if (found.end != TreeSearch::End::Found) return std::nullopt;
    list = found.element;
    path = found.path;
  }
  auto children = tree.Children(*list, kAddressSearchElements);
  if (!children) return std::nullopt;
  TabStrip strip{std::move(*children), {}, std::move(path)};
  for (AccessibleTree::Element tab : strip.tabs) {
    std::wstring name = tree.Name(tab);
    if (name.empty() || !TitleMatches(name, browserTextKeyword)) continue;
    // Not the new-tab button or the like, and not the tab shown now.
    if (tree.Role(tab) != kRolePageTab || (tree.State(tab) & kStateSelected) != 0) continue;
    strip.siteTabs.push_back({tab, std::move(name)});
  }
  return strip;
}

std::optional<AccessibleTree::Element> ShownTab(AccessibleTree& tree, const TabStrip& strip) {
  for (AccessibleTree::Element tab : strip.tabs) {
    if ((tree.State(tab) & kStateSelected) != 0) return tab;
  }
  return std::nullopt;
}

std::optional<ChosenTab> SelectSiteTab(TabWindows& windows, std::wstring_view urlKeyword) {
  int tried = 0;
  for (std::size_t window = 0; window < windows.Count() && windows.TimeToTry(); ++window) {
    const auto strip = windows.Strip(window);
    if (!strip || strip->siteTabs.empty()) continue;
    // What the window shows before the first selection, to show it again and to tell the
    // selected tab's address from it.
    const auto shown = windows.Shown(window, *strip);
    const std::wstring before = windows.Address(window, L"");
    for (const PageTab& tab : strip->siteTabs) {
      if (tried == kMostTabsTried || !windows.TimeToTry()) return std::nullopt;
      ++tried;
      if (!windows.Select(window, tab.element)) continue;
      if (AddressMatches(windows.Address(window, before), urlKeyword)) return ChosenTab{window, tab.name};
      // Another site with the same title word: the user's tab comes back.
      if (shown) windows.Select(window, *shown);
    }
  }
  return std::nullopt;
}

} // namespace qvx
