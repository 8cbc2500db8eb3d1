#pragma once
// A window's accessibility tree (MSAA) in the browser's process, asked one element at a time
// from a reading thread. Once the read's limits are reached, or a call fails on its way,
// nothing more is asked.
#include <windows.h>
#include <oleacc.h>

#include <atomic>
#include <memory>

#include "common/scoped_win32.h"
#include "main/switching/address_field.h"

namespace qvx {

// When a read stops asking the browser: at the deadline (GetTickCount64), or once told to.
struct ReadLimits {
  ULONGLONG deadline;
  const std::atomic<bool>* stop;
};

class WindowTree final : public AccessibleTree {
 public:
  WindowTree(ComPtr<IAccessible> window, const ReadLimits& limits);
  bool Interrupted() const { return interrupted_; }

  std::optional<std::vector<Element>> Children(Element element, std::size_t most) override;
  std::optional<Element> Child(Element element, std::size_t position) override;
  bool IsSimple(Element element) override { return elements_[element].childId != CHILDID_SELF; }
  long Role(Element element) override;
  unsigned long State(Element element) override;
  std::wstring Value(Element element) override;
  std::wstring Name(Element element) override;
  bool DoDefaultAction(Element element) override;

 private:
  struct Item {
    ComPtr<IAccessible> object;
    long childId;
  };
  // A question with a number (role, state) or a text (value, name) for an answer.
  using NumberQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
  using TextQuestion = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  unsigned long Number(Element element, NumberQuestion question);
  std::wstring Text(Element element, TextQuestion question);
  Element Add(Item item);
  bool MayAsk();
  bool Check(HRESULT result);

  const ReadLimits& limits_;
  std::vector<Item> elements_;
  bool interrupted_ = false;
};

// The window's tree, asked for with WM_GETOBJECT; none when the window does not hand it out
// (it answers 0 twice, is hung, does not answer in time or refuses). COM must be initialised.
std::unique_ptr<WindowTree> OpenWindowTree(HWND window, const ReadLimits& limits);

} // namespace qvx
