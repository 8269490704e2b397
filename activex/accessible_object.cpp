#include "activex/accessible_object.h"

#include <string>

#include "com/bstr.h"
#include "com/query_interface.h"

namespace activex {

using splitter::AccessibleTree;

namespace {

void SetChild(VARIANT* out, LONG child) {
  V_VT(out) = VT_I4;
  V_I4(out) = child;
}

// Catches what the tree may throw (out of memory) before it reaches the caller.
template <typename Body>
HRESULT Guarded(Body&& body) {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    return E_OUTOFMEMORY;
  } catch (...) {
    return E_UNEXPECTED;
  }
}

}  // namespace

ComPtr<IAccessible> AccessibleObject::Create(HWND window, std::weak_ptr<const AccessibleSource> source) {
  ComPtr<IAccessible> standard;
  if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, kInterfaceId, reinterpret_cast<void**>(standard.Out()))))
    return {};
  return ComPtr<IAccessible>::Adopt(new AccessibleObject(window, std::move(standard), std::move(source)));
}

HRESULT AccessibleObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<AccessibleObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &kInterfaceId}, As<IAccessible>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT AccessibleObject::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT AccessibleObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT AccessibleObject::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) {
  return E_NOTIMPL;
}

std::optional<AccessibleTree> AccessibleObject::Tree() const {
  std::shared_ptr<const AccessibleSource> source = source_.lock();
  if (!source) return std::nullopt;
  return (*source)();
}

template <typename Self, typename OfChild>
HRESULT AccessibleObject::ForChild(const VARIANT& child, Self&& self, OfChild&& ofChild) const {
  return Guarded([&]() -> HRESULT {
    std::optional<AccessibleTree> tree = Tree();
    if (!tree) return CO_E_OBJNOTCONNECTED;
    if (V_VT(&child) != VT_I4) return E_INVALIDARG;
    if (V_I4(&child) == CHILDID_SELF) return self();
    if (!tree->IsChild(V_I4(&child))) return E_INVALIDARG;
    return ofChild(*tree, static_cast<int32_t>(V_I4(&child)));
  });
}

template <typename Self>
HRESULT AccessibleObject::SelfOnly(const VARIANT& child, Self&& self) const {
  return ForChild(child, self, [](const AccessibleTree&, int32_t) { return DISP_E_MEMBERNOTFOUND; });
}

HRESULT AccessibleObject::SelfText(const VARIANT& child, BSTR* text, TextGetter get) const {
  if (!text) return E_POINTER;
  *text = nullptr;
  return SelfOnly(child, [&] { return (standard_.Get()->*get)(child, text); });
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!Tree()) return CO_E_OBJNOTCONNECTED;
  return standard_->get_accParent(parent);
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  std::optional<AccessibleTree> tree = Tree();
  if (!tree) return CO_E_OBJNOTCONNECTED;
  *count = tree->ChildCount();
  return S_OK;
}

// The panes and bars are elements of this object, not objects of their own.
HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  return ForChild(
      child, [] { return E_INVALIDARG; }, [](const AccessibleTree&, int32_t) { return S_FALSE; });
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  if (!name) return E_POINTER;
  *name = nullptr;
  return ForChild(
      child, [&] { return standard_->get_accName(child, name); },
      [&](const AccessibleTree& tree, int32_t c) {
        *name = AllocBstr(tree.Name(c));
        return *name ? S_OK : E_OUTOFMEMORY;
      });
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  if (!value) return E_POINTER;
  *value = nullptr;
  return ForChild(
      child, [&] { return standard_->get_accValue(child, value); },
      [&](const AccessibleTree& tree, int32_t c) {
        std::optional<int32_t> percent = tree.Value(c);
        if (!percent) return DISP_E_MEMBERNOTFOUND;
        *value = SysAllocString(std::to_wstring(*percent).c_str());
        return *value ? S_OK : E_OUTOFMEMORY;
      });
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  return SelfText(child, description, &IAccessible::get_accDescription);
}

template <typename OfChild>
HRESULT AccessibleObject::Integer(const VARIANT& child, VARIANT* out, IntegerGetter get, OfChild&& ofChild) const {
  if (!out) return E_POINTER;
  VariantInit(out);
  return ForChild(
      child, [&] { return (standard_.Get()->*get)(child, out); },
      [&](const AccessibleTree& tree, int32_t c) {
        SetChild(out, ofChild(tree, c));
        return S_OK;
      });
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  return Integer(child, role, &IAccessible::get_accRole, [](const AccessibleTree& tree, int32_t c) -> LONG {
    return tree.Role(c) == splitter::AccessibleRole::Separator ? ROLE_SYSTEM_SEPARATOR : ROLE_SYSTEM_PANE;
  });
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  return Integer(child, state, &IAccessible::get_accState, [&](const AccessibleTree& tree, int32_t c) -> LONG {
    const splitter::AccessibleStates states = tree.States(c);
    LONG bits = 0;
    if (states.focusable) bits |= STATE_SYSTEM_FOCUSABLE;
    if (states.focused) bits |= STATE_SYSTEM_FOCUSED;
    if (states.collapsed) bits |= STATE_SYSTEM_COLLAPSED | STATE_SYSTEM_INVISIBLE;
    // A parked or hidden control shows none of its children.
    if (!IsWindowVisible(window_)) bits |= STATE_SYSTEM_INVISIBLE;
    return bits;
  });
}

HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  return SelfText(child, help, &IAccessible::get_accHelp);
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) {
  if (!file || !topic) return E_POINTER;
  *file = nullptr;
  *topic = 0;
  return SelfOnly(child, [&] { return standard_->get_accHelpTopic(file, child, topic); });
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return SelfText(child, shortcut, &IAccessible::get_accKeyboardShortcut);
}

HRESULT AccessibleObject::get_accFocus(VARIANT* focus) {
  if (!focus) return E_POINTER;
  VariantInit(focus);
  std::optional<AccessibleTree> tree = Tree();
  if (!tree) return CO_E_OBJNOTCONNECTED;
  if (std::optional<int32_t> bar = tree->Focus()) {
    SetChild(focus, *bar);
    return S_OK;
  }
  if (GetFocus() != window_) return S_FALSE;
  SetChild(focus, CHILDID_SELF);
  return S_OK;
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selection) {
  if (!selection) return E_POINTER;
  VariantInit(selection);
  return Tree() ? S_FALSE : CO_E_OBJNOTCONNECTED;
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  return SelfText(child, action, &IAccessible::get_accDefaultAction);
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
  return SelfOnly(child, [&] { return standard_->accSelect(flags, child); });
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  return ForChild(
      child, [&] { return standard_->accLocation(left, top, width, height, child); },
      [&](const AccessibleTree& tree, int32_t c) {
        const splitter::AccessibleRect rect = tree.Location(c);
        POINT origin{static_cast<LONG>(rect.left), static_cast<LONG>(rect.top)};
        ClientToScreen(window_, &origin);
        *left = origin.x;
        *top = origin.y;
        *width = static_cast<LONG>(rect.width);
        *height = static_cast<LONG>(rect.height);
        return S_OK;
      });
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  // A child found, or S_FALSE where the direction leads nowhere.
  auto answer = [&](LONG found, const AccessibleTree& tree) {
    if (!tree.IsChild(found)) return S_FALSE;
    SetChild(end, found);
    return S_OK;
  };
  std::optional<AccessibleTree> tree = Tree();
  return ForChild(
      start,
      [&] {
        if (direction == NAVDIR_FIRSTCHILD) return answer(1, *tree);
        if (direction == NAVDIR_LASTCHILD) return answer(tree->ChildCount(), *tree);
        return standard_->accNavigate(direction, start, end);
      },
      [&](const AccessibleTree& found, int32_t c) {
        if (direction == NAVDIR_NEXT) return answer(c + 1, found);
        if (direction == NAVDIR_PREVIOUS) return answer(c - 1, found);
        return S_FALSE;  // simple children have no children, and no sides of their own
      });
}

HRESULT AccessibleObject::accHitTest(LONG x, LONG y, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  return Guarded([&]() -> HRESULT {
    std::optional<AccessibleTree> tree = Tree();
    if (!tree) return CO_E_OBJNOTCONNECTED;
    POINT point{x, y};
    RECT client{};
    ScreenToClient(window_, &point);
    GetClientRect(window_, &client);
    if (PtInRect(&client, point)) {
      if (int32_t found = tree->ChildAt(point.x, point.y); found != AccessibleTree::kSelf) {
        SetChild(child, found);
        return S_OK;
      }
    }
    return standard_->accHitTest(x, y, child);
  });
}

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  return SelfOnly(child, [&] { return standard_->accDoDefaultAction(child); });
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT AccessibleObject::put_accValue(VARIANT, BSTR) { return E_NOTIMPL; }

}  // namespace activex
