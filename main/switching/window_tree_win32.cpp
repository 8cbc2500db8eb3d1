#include "main/switching/window_tree_win32.h"

#include <algorithm>

namespace qvx {

static_assert(kRoleToolBar == ROLE_SYSTEM_TOOLBAR && kRoleDocument == ROLE_SYSTEM_DOCUMENT &&
              kRolePropertyPage == ROLE_SYSTEM_PROPERTYPAGE && kRolePageTab == ROLE_SYSTEM_PAGETAB &&
              kRolePageTabList == ROLE_SYSTEM_PAGETABLIST && kRoleText == ROLE_SYSTEM_TEXT &&
              kRoleComboBox == ROLE_SYSTEM_COMBOBOX && kStateReadOnly == STATE_SYSTEM_READONLY &&
              kStateInvisible == STATE_SYSTEM_INVISIBLE && kStateSelected == STATE_SYSTEM_SELECTED);

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
constexpr ULONGLONG kObjectRequestTimeoutMs = 1000;

VARIANT ChildId(long id) {
  VARIANT variant;
  VariantInit(&variant);
  variant.vt = VT_I4;
  variant.lVal = id;
  return variant;
}

// A call that did not reach the browser or was cancelled: what the tree holds is not known.
bool IsTransportFailure(HRESULT result) {
  return HRESULT_FACILITY(result) == FACILITY_RPC || result == CO_E_OBJNOTCONNECTED ||
         result == HRESULT_FROM_WIN32(RPC_S_SERVER_UNAVAILABLE) || result == HRESULT_FROM_WIN32(RPC_S_CALL_FAILED) ||
         result == HRESULT_FROM_WIN32(ERROR_CANCELLED);
}

// The client object's reference as the window answers WM_GETOBJECT; 0 when it gives none.
// SendMessageTimeout, unlike AccessibleObjectFromWindow, gives up on a window that hangs.
LRESULT RequestClientObject(HWND window, const ReadLimits& limits) {
  const ULONGLONG now = GetTickCount64();
  if (limits.stop->load() || now >= limits.deadline) return 0;
  const auto timeout = static_cast<UINT>(std::min(kObjectRequestTimeoutMs, limits.deadline - now));
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(window, WM_GETOBJECT, 0, static_cast<LPARAM>(static_cast<DWORD>(OBJID_CLIENT)),
                           SMTO_ABORTIFHUNG, timeout, &answer)) {
    return 0;
  }
  return static_cast<LRESULT>(answer);
}
} // namespace

WindowTree::WindowTree(ComPtr<IAccessible> window, const ReadLimits& limits) : limits_(limits) {
  elements_.push_back({std::move(window), CHILDID_SELF});
}

std::optional<std::vector<AccessibleTree::Element>> WindowTree::Children(Element element, std::size_t most) {
  std::vector<Element> found;
  if (elements_[element].childId != CHILDID_SELF || most == 0) return found;
  if (!MayAsk()) return std::nullopt;
  const ComPtr<IAccessible> parent = elements_[element].object;
  // AccessibleChildren asks for the count itself and returns no more children than there are.
  std::vector<VARIANT> children(most);
  long obtained = 0;
  const HRESULT result = Accessibility().accessibleChildren(parent.Get(), 0, static_cast<long>(children.size()),
                                                            children.data(), &obtained);
  if (!Check(result)) return std::nullopt;
  for (long i = 0; i < obtained; ++i) {
    VARIANT& child = children[static_cast<std::size_t>(i)];
    if (child.vt == VT_DISPATCH && child.pdispVal) {
      ComPtr<IAccessible> object;
      child.pdispVal->QueryInterface(__uuidof(IAccessible), object.PutVoid());
      if (object) found.push_back(Add({std::move(object), CHILDID_SELF}));
    } else if (child.vt == VT_I4) {
      found.push_back(Add({parent, child.lVal}));
    }
    VariantClear(&child);
  }
  return found;
}

std::optional<AccessibleTree::Element> WindowTree::Child(Element element, std::size_t position) {
  const Item& item = elements_[element];
  if (item.childId != CHILDID_SELF || !MayAsk()) return std::nullopt;
  // Browsers number an object's children from 1 in the order AccessibleChildren gives them.
  const long id = static_cast<long>(position) + 1;
  IDispatch* child = nullptr;
  const HRESULT result = item.object->get_accChild(ChildId(id), &child);
  if (!Check(result)) return std::nullopt;
  if (child) {
    ComPtr<IAccessible> object;
    child->QueryInterface(__uuidof(IAccessible), object.PutVoid());
    child->Release();
    if (!object) return std::nullopt;
    return Add({std::move(object), CHILDID_SELF});
  }
  return result == S_FALSE ? std::optional<Element>(Add({item.object, id})) : std::nullopt;
}

long WindowTree::Role(Element element) { return static_cast<long>(Number(element, &IAccessible::get_accRole)); }

unsigned long WindowTree::State(Element element) { return Number(element, &IAccessible::get_accState); }

std::wstring WindowTree::Value(Element element) { return Text(element, &IAccessible::get_accValue); }

std::wstring WindowTree::Name(Element element) { return Text(element, &IAccessible::get_accName); }

unsigned long WindowTree::Number(Element element, NumberQuestion question) {
  VARIANT answer;
  VariantInit(&answer);
  const Item& item = elements_[element];
  const unsigned long result =
      MayAsk() && Check((item.object.Get()->*question)(ChildId(item.childId), &answer)) && answer.vt == VT_I4
          ? static_cast<unsigned long>(answer.lVal)
          : 0;
  VariantClear(&answer);
  return result;
}

std::wstring WindowTree::Text(Element element, TextQuestion question) {
  BSTR answer = nullptr;
  const Item& item = elements_[element];
  std::wstring text;
  if (MayAsk() && Check((item.object.Get()->*question)(ChildId(item.childId), &answer)) && answer) {
    text.assign(answer, SysStringLen(answer));
  }
  SysFreeString(answer);
  return text;
}

bool WindowTree::DoDefaultAction(Element element) {
  const Item& item = elements_[element];
  return MayAsk() && Check(item.object->accDoDefaultAction(ChildId(item.childId)));
}

AccessibleTree::Element WindowTree::Add(Item item) {
  elements_.push_back(std::move(item));
  return elements_.size() - 1;
}

bool WindowTree::MayAsk() {
  if (limits_.stop->load() || GetTickCount64() >= limits_.deadline) interrupted_ = true;
  return !interrupted_;
}

bool WindowTree::Check(HRESULT result) {
  if (IsTransportFailure(result)) interrupted_ = true;
  return SUCCEEDED(result);
}

std::unique_ptr<WindowTree> OpenWindowTree(HWND window, const ReadLimits& limits) {
  if (!Accessibility().accessibleChildren || !Accessibility().objectFromLresult) return nullptr;
  // A browser that switches its accessibility on when first asked answers 0 to that request.
  LRESULT answer = RequestClientObject(window, limits);
  if (answer == 0) answer = RequestClientObject(window, limits);
  if (answer == 0) return nullptr;
  ComPtr<IAccessible> client;
  if (FAILED(Accessibility().objectFromLresult(answer, __uuidof(IAccessible), 0, client.PutVoid())) || !client) {
    return nullptr;
  }
  return std::make_unique<WindowTree>(std::move(client), limits);
}

} // namespace qvx
