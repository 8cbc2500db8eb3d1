#pragma once
// Finding a modern browser's address bar in the accessibility tree of its window. Browsers draw
// their own address bar; what they all share is a tool bar holding an editable text field (or,
// in newer Firefox versions, a combo box) that shows the address. Names of elements are
// localised, so only roles and states decide.
#include <cstddef>
#include <string>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

// Accessibility roles and states, with the values the platform gives them.
inline constexpr long kRoleToolBar = 0x16;
inline constexpr long kRoleDocument = 0x0f;
inline constexpr long kRoleText = 0x2a;
inline constexpr long kRoleComboBox = 0x2e;
inline constexpr unsigned long kStateReadOnly = 0x40;

// How far the search goes: levels below the window's own element, and elements in all. A
// browser's tool bars lie a few levels down; an application with a large tree of its own (an
// editor, a chat program) is given up on after this many elements.
inline constexpr int kAddressSearchDepth = 16;
inline constexpr std::size_t kAddressSearchElements = 250;

// A window's accessibility tree as the search asks it, one element at a time.
class AccessibleTree {
 public:
  using Element = std::size_t;
  static constexpr Element kWindow = 0;  // the window's own (client) element

  virtual ~AccessibleTree() = default;
  // At most `most` children of the element, in order; none when they cannot be read.
  virtual std::vector<Element> Children(Element element, std::size_t most) = 0;
  virtual long Role(Element element) = 0;
  virtual unsigned long State(Element element) = 0;
  virtual std::wstring Value(Element element) = 0;
};

// Breadth-first from the window's element, never into page content (a document), the value of
// the first editable text (not read-only) or combo box found inside any tool bar. Stops there;
// a tree without such a field, or one cut short by the limits, has no address field.
AddressRead FindAddressField(AccessibleTree& tree);

} // namespace qvx
