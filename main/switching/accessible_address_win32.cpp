#include "main/switching/accessible_address_win32.h"

#include <oleacc.h>

#include "common/scoped_win32.h"
#include "main/switching/address_field.h"

namespace qvx {

static_assert(kRoleToolBar == ROLE_SYSTEM_TOOLBAR && kRoleDocument == ROLE_SYSTEM_DOCUMENT &&
              kRoleText == ROLE_SYSTEM_TEXT && kRoleComboBox == ROLE_SYSTEM_COMBOBOX &&
              kStateReadOnly == STATE_SYSTEM_READONLY);

namespace {
// oleacc.dll is not one of the DLLs Windows always takes from its own folder, and the program
// may run from a folder anyone can write to: it is loaded from System32 only, when first needed,
// and stays loaded for the life of the process.
struct AccessibilityFunctions {
  decltype(&::AccessibleChildren) accessibleChildren = nullptr;
  decltype(&::ObjectFromLresult) objectFromLresult = nullptr;
};

template <typename Function>
Function Export(HMODULE dll, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(dll, name)));
}

const AccessibilityFunctions& Accessibility() {
  static const AccessibilityFunctions functions = [] {
    AccessibilityFunctions f;
    if (const HMODULE dll = LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32)) {
      f.accessibleChildren = Export<decltype(f.accessibleChildren)>(dll, "AccessibleChildren");
      f.objectFromLresult = Export<decltype(f.objectFromLresult)>(dll, "ObjectFromLresult");
    }
    return f;
  }();
  return functions;
}

// One request for the client object; a browser that is busy or hung is given up on after this.
constexpr UINT kObjectRequestTimeoutMs = 1000;

// The elements of one window's tree met so far. An element is either an object of its own or a
// simple element that its parent object answers for under a child id.
class WindowTree final : public AccessibleTree {
 public:
  explicit WindowTree(ComPtr<IAccessible> window) { elements_.push_back({std::move(window), CHILDID_SELF}); }

  std::vector<Element> Children(Element element, std::size_t most) override {
    std::vector<Element> found;
    if (elements_[element].childId != CHILDID_SELF || most == 0) return found;  // simple elements have none
    const ComPtr<IAccessible> parent = elements_[element].object;
    // AccessibleChildren asks for the count itself and returns no more children than there are.
    std::vector<VARIANT> children(most);
    long obtained = 0;
    if (FAILED(Accessibility().accessibleChildren(parent.Get(), 0, static_cast<long>(children.size()), children.data(), &obtained))) {
      return found;
    }
    for (long i = 0; i < obtained; ++i) {
      VARIANT& child = children[static_cast<std::size_t>(i)];
      if (child.vt == VT_DISPATCH && child.pdispVal) {
        ComPtr<IAccessible> object;
        child.pdispVal->QueryInterface(__uuidof(IAccessible), object.PutVoid());
        if (object) Add(found, {std::move(object), CHILDID_SELF});
      } else if (child.vt == VT_I4) {
        Add(found, {parent, child.lVal});
      }
      VariantClear(&child);
    }
    return found;
  }
  long Role(Element element) override {
    VARIANT role;
    VariantInit(&role);
    const Item& item = elements_[element];
    const long result = SUCCEEDED(item.object->get_accRole(Self(item), &role)) && role.vt == VT_I4 ? role.lVal : 0;
    VariantClear(&role);
    return result;
  }
  unsigned long State(Element element) override {
    VARIANT state;
    VariantInit(&state);
    const Item& item = elements_[element];
    const unsigned long result =
        SUCCEEDED(item.object->get_accState(Self(item), &state)) && state.vt == VT_I4 ? state.lVal : 0;
    VariantClear(&state);
    return result;
  }
  std::wstring Value(Element element) override {
    BSTR value = nullptr;
    const Item& item = elements_[element];
    std::wstring text;
    if (SUCCEEDED(item.object->get_accValue(Self(item), &value)) && value) text.assign(value, SysStringLen(value));
    SysFreeString(value);
    return text;
  }

 private:
  struct Item {
    ComPtr<IAccessible> object;
    long childId;
  };
  static VARIANT Self(const Item& item) {
    VARIANT id;
    VariantInit(&id);
    id.vt = VT_I4;
    id.lVal = item.childId;
    return id;
  }
  void Add(std::vector<Element>& found, Item item) {
    found.push_back(elements_.size());
    elements_.push_back(std::move(item));
  }
  std::vector<Item> elements_;
};

// The client object's reference as the window answers WM_GETOBJECT; 0 when it gives none.
// SendMessageTimeout, unlike AccessibleObjectFromWindow, gives up on a window that hangs.
LRESULT RequestClientObject(HWND window) {
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT)),
                           SMTO_ABORTIFHUNG, kObjectRequestTimeoutMs, &answer)) {
    return 0;
  }
  return static_cast<LRESULT>(answer);
}
} // namespace

AddressRead ReadAccessibleAddress(HWND window) {
  // Once per thread: the pool's threads serve one read after another, and the apartment (with
  // what it learnt about the browsers' processes) stays ready between them.
  thread_local const ScopedComInit com(COINIT_MULTITHREADED);
  if (!com.Succeeded() || !Accessibility().accessibleChildren || !Accessibility().objectFromLresult) return {};
  // A browser that switches its accessibility on when first asked answers 0 to that request.
  LRESULT answer = RequestClientObject(window);
  if (answer == 0) answer = RequestClientObject(window);
  if (answer == 0) return {};
  ComPtr<IAccessible> client;
  if (FAILED(Accessibility().objectFromLresult(answer, __uuidof(IAccessible), 0, client.PutVoid())) || !client) return {};
  WindowTree tree(std::move(client));
  return FindAddressField(tree);
}

} // namespace qvx
