#include "main/switching/address_field.h"

#include <deque>

namespace qvx {

namespace {
struct Pending {
  AccessibleTree::Element element;
  int depth;
  bool insideToolBar;
};

// An installed site's window shows its origin in read-only text: that is no address bar.
bool IsAddressField(AccessibleTree& tree, AccessibleTree::Element element, long role) {
  if (role == kRoleComboBox) return true;
  return role == kRoleText && (tree.State(element) & kStateReadOnly) == 0;
}
} // namespace

AddressRead FindAddressField(AccessibleTree& tree) {
  std::deque<Pending> queue{{AccessibleTree::kWindow, 0, false}};
  std::size_t known = 1;
  while (!queue.empty()) {
    const Pending next = queue.front();
    queue.pop_front();
    const long role = tree.Role(next.element);
    if (next.insideToolBar && IsAddressField(tree, next.element, role)) {
      return {AddressRead::Outcome::Address, tree.Value(next.element)};
    }
    if (role == kRoleDocument || next.depth >= kAddressSearchDepth || known >= kAddressSearchElements) continue;
    const bool insideToolBar = next.insideToolBar || role == kRoleToolBar;
    for (AccessibleTree::Element child : tree.Children(next.element, kAddressSearchElements - known)) {
      queue.push_back({child, next.depth + 1, insideToolBar});
      if (++known >= kAddressSearchElements) break;
    }
  }
  return {AddressRead::Outcome::NoAddressField, {}};
}

} // namespace qvx
