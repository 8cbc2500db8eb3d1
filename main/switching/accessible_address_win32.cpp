#include "main/switching/accessible_address_win32.h"

namespace qvx {

FieldSearch ReadAccessibleAddress(HWND window, const FieldPath& remembered, const ReadLimits& limits) {
  const std::unique_ptr<WindowTree> tree = OpenWindowTree(window, limits);
  if (!tree) return {};
  FieldSearch search = FindAddressField(*tree, remembered);
  if (tree->Interrupted()) search.read = {};
  return search;
}

} // namespace qvx
