#pragma once
// Finding a modern browser's address bar in the accessibility tree of its window. Browsers draw
// their own address bar; what they all share is a tool bar holding an editable text field (or,
// in newer Firefox versions, a combo box) that shows the address. Names of elements are
// localised, so only roles and states decide.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "main/switching/window_walk.h"

namespace qvx {

// Accessibility roles and states, with the values the platform gives them.
inline constexpr long kRoleToolBar = 0x16;
inline constexpr long kRoleDocument = 0x0f;
inline constexpr long kRolePropertyPage = 0x26;
inline constexpr long kRolePageTab = 0x25;
inline constexpr long kRolePageTabList = 0x3c;
inline constexpr long kRoleText = 0x2a;
inline constexpr long kRoleComboBox = 0x2e;
inline constexpr unsigned long kStateInvisible = 0x8000;
inline constexpr unsigned long kStateReadOnly = 0x40;
inline constexpr unsigned long kStateSelected = 0x2;

// How far the search goes: levels below the window's own element, and elements whose role was
// asked. A browser's tool bars lie a few levels down; an application with a large tree of its
// own (an editor, a chat program) is given up on after this many elements. Page content, tab
// strips and tab panels are never entered and do not count.
inline constexpr int kAddressSearchDepth = 16;
inline constexpr std::size_t kAddressSearchElements = 250;

// A window's accessibility tree as the search asks it, one element at a time. Every question
// but IsSimple may cross into the browser's process.
class AccessibleTree {
 public:
  using Element = std::size_t;
  static constexpr Element kWindow = 0;  // the window's own (client) element

  virtual ~AccessibleTree() = default;
  // At most `most` children of the element, in order; none when the request fails.
  virtual std::optional<std::vector<Element>> Children(Element element, std::size_t most) = 0;
  // The child at a position (0-based), asked for alone; none when there is no such child.
  virtual std::optional<Element> Child(Element element, std::size_t position) = 0;
  // An element that its parent answers for, which can have no children. Asks nothing.
  virtual bool IsSimple(Element element) = 0;
  virtual long Role(Element element) = 0;  // 0 when it cannot be read
  virtual unsigned long State(Element element) = 0;
  virtual std::wstring Value(Element element) = 0;
  virtual std::wstring Name(Element element) = 0;
  // The element's default action (a page tab's: select it); false when it was refused.
  virtual bool DoDefaultAction(Element element) = 0;
};

// Where the field lay in one window: the child position at each level from the window's
// element down, with each level's role. Browsers build every window alike, so the path found
// in one window of a browser process usually holds for the others.
struct FieldPath {
  struct Step {
    std::uint32_t position;
    long role;
  };
  std::vector<Step> steps;
  bool Empty() const { return steps.empty(); }
};

// What one search found, and what it cost.
struct FieldSearch {
  AddressRead read;
  FieldPath path;               // where the field lies, when it was found
  bool byRememberedPath = false;
  std::size_t elementsVisited = 0;  // elements whose role was asked
  std::uint64_t readMs = 0;         // the whole read, the request for the tree included
};

// How a search of a window's tree ended, and where.
struct TreeSearch {
  enum class End {
    Unreadable,  // cut short by the limits, or the window element answers no role or children
    NotThere,    // searched to its end
    Found,
  };
  End end = End::Unreadable;
  AccessibleTree::Element element = AccessibleTree::kWindow;
  long role = 0;
  FieldPath path;
  std::size_t elementsVisited = 0;
};
// Whether an element (with its role, inside a tool bar or not) is the one looked for.
using Wanted = std::function<bool(AccessibleTree&, AccessibleTree::Element, long role, bool insideToolBar)>;

// Breadth-first from the window's element, tool bars searched before anything queued after
// them, never into page content, tab strips or tab panels (which may still be the element
// wanted), within the limits: the first element wanted.
TreeSearch SearchTree(AccessibleTree& tree, const Wanted& wanted);

// The search for the address field: the value of the first editable text
// (not read-only) or combo box inside a tool bar. A combo box without a value gives the value of
// its first editable, visible text child. Only a tree searched to its end without a field has
// no address field; a tree cut short by the limits, or whose window element answers neither
// its role nor its children, is unreadable.
FieldSearch SearchAddressField(AccessibleTree& tree);

// Follows a remembered path with one question per level, and takes its end as the address
// field when it still is one and still lies inside a tool bar; none when the path no longer
// holds and the tree must be searched.
std::optional<FieldSearch> FollowFieldPath(AccessibleTree& tree, const FieldPath& path);

// The remembered path first, the full search when it does not hold.
FieldSearch FindAddressField(AccessibleTree& tree, const FieldPath& remembered);

} // namespace qvx
