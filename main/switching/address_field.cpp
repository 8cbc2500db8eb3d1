#include "main/switching/address_field.h"

#include <deque>

namespace qvx {

namespace {
using Element = AccessibleTree::Element;
using Outcome = AddressRead::Outcome;

// Page content, and the tab strips and tab panels whose size grows with every open tab: no
// address bar lies inside them (a find bar inside a tab's panel is a tool bar with an editable
// field, and is no address bar).
bool IsNeverEntered(long role) {
  return role == kRoleDocument || role == kRolePageTabList || role == kRolePageTab || role == kRolePropertyPage;
}

// An installed site's window shows its origin in read-only text: that is no address bar.
bool IsAddressField(AccessibleTree& tree, Element element, long role) {
  if (role == kRoleComboBox) return true;
  return role == kRoleText && (tree.State(element) & kStateReadOnly) == 0;
}

// The field's address. Older Firefox versions give an empty value for the outer combo box of
// the address bar; the address is then in the editable text inside it (next to a hidden one).
// `path` gains the step to that text when it is used.
std::wstring FieldValue(AccessibleTree& tree, Element field, long role, FieldPath& path) {
  std::wstring value = tree.Value(field);
  if (role != kRoleComboBox || !value.empty() || tree.IsSimple(field)) return value;
  const auto children = tree.Children(field, kAddressSearchElements);
  if (!children) return value;
  for (std::size_t i = 0; i < children->size(); ++i) {
    const Element child = (*children)[i];
    if (tree.Role(child) != kRoleText) continue;
    const unsigned long state = tree.State(child);
    if (state & (kStateReadOnly | kStateInvisible)) continue;
    path.steps.push_back({static_cast<std::uint32_t>(i), kRoleText});
    return tree.Value(child);
  }
  return value;
}

struct Visited {
  Element element;
  int depth;
  bool insideToolBar;
  std::size_t parent;  // index into the visited list; the window's own element is its own parent
  std::uint32_t position;
  long role = 0;
};

FieldPath PathTo(const std::vector<Visited>& visited, std::size_t index) {
  FieldPath path;
  for (; index != 0; index = visited[index].parent) path.steps.push_back({visited[index].position, visited[index].role});
  return {{path.steps.rbegin(), path.steps.rend()}};
}
} // namespace

TreeSearch SearchTree(AccessibleTree& tree, const Wanted& wanted) {
  TreeSearch search;
  std::vector<Visited> visited{{AccessibleTree::kWindow, 0, false, 0, 0}};
  // Elements inside a tool bar are searched before anything else that waits: the address bar's
  // tool bar is then searched as soon as it is met, before the rest of a large window.
  std::deque<std::size_t> inToolBars, elsewhere{0};
  std::size_t counted = 1;
  bool cutShort = false;
  while (!inToolBars.empty() || !elsewhere.empty()) {
    std::deque<std::size_t>& from = inToolBars.empty() ? elsewhere : inToolBars;
    const std::size_t index = from.front();
    from.pop_front();
    const Visited next = visited[index];
    const long role = visited[index].role = tree.Role(next.element);
    ++search.elementsVisited;
    if (index == 0 && role == 0) return search;  // the window answers nothing: unreadable
    if (wanted(tree, next.element, role, next.insideToolBar)) {
      search.end = TreeSearch::End::Found;
      search.element = next.element;
      search.role = role;
      search.path = PathTo(visited, index);
      return search;
    }
    if (IsNeverEntered(role)) {
      --counted;
      continue;
    }
    if (tree.IsSimple(next.element)) continue;
    const std::size_t room = kAddressSearchElements - counted;
    if (next.depth >= kAddressSearchDepth || room == 0) {
      cutShort = true;
      continue;
    }
    // One more than there is room for tells whether the limit cut the children short.
    auto children = tree.Children(next.element, room + 1);
    if (!children) {
      // A browser whose accessibility is turned off answers its role but no children.
      cutShort = true;
      continue;
    }
    if (children->size() > room) {
      cutShort = true;
      children->resize(room);
    }
    const bool insideToolBar = next.insideToolBar || role == kRoleToolBar;
    for (std::size_t i = 0; i < children->size(); ++i) {
      (insideToolBar ? inToolBars : elsewhere).push_back(visited.size());
      visited.push_back({(*children)[i], next.depth + 1, insideToolBar, index, static_cast<std::uint32_t>(i)});
    }
    counted += children->size();
  }
  if (!cutShort) search.end = TreeSearch::End::NotThere;
  return search;
}

FieldSearch SearchAddressField(AccessibleTree& tree) {
  const TreeSearch found = SearchTree(tree, [](AccessibleTree& t, Element element, long role, bool insideToolBar) {
    return insideToolBar && IsAddressField(t, element, role);
  });
  FieldSearch search;
  search.elementsVisited = found.elementsVisited;
  if (found.end == TreeSearch::End::NotThere) search.read.outcome = Outcome::NoAddressField;
  if (found.end != TreeSearch::End::Found) return search;
  search.path = found.path;
  search.read = {Outcome::Address, FieldValue(tree, found.element, found.role, search.path)};
  return search;
}

std::optional<FieldSearch> FollowFieldPath(AccessibleTree& tree, const FieldPath& path) {
  if (path.Empty()) return std::nullopt;
  // The deepest tool bar on the path is asked again: the field must still lie inside it.
  std::size_t toolBarLevel = path.steps.size();
  for (std::size_t level = 0; level + 1 < path.steps.size(); ++level) {
    if (path.steps[level].role == kRoleToolBar) toolBarLevel = level;
  }
  if (toolBarLevel == path.steps.size()) return std::nullopt;
  Element element = AccessibleTree::kWindow;
  for (std::size_t level = 0; level < path.steps.size(); ++level) {
    const auto child = tree.Child(element, path.steps[level].position);
    if (!child) return std::nullopt;
    element = *child;
    if (level == toolBarLevel && tree.Role(element) != kRoleToolBar) return std::nullopt;
  }
  const long role = tree.Role(element);
  if (role != path.steps.back().role || !IsAddressField(tree, element, role)) return std::nullopt;
  FieldSearch found;
  found.path = path;
  found.byRememberedPath = true;
  found.elementsVisited = 2;
  found.read = {Outcome::Address, FieldValue(tree, element, role, found.path)};
  return found;
}

FieldSearch FindAddressField(AccessibleTree& tree, const FieldPath& remembered) {
  if (auto found = FollowFieldPath(tree, remembered)) return *std::move(found);
  return SearchAddressField(tree);
}

} // namespace qvx
