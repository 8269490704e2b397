#pragma once
// The control's client object for assistive tools (IAccessible): its children are the panes
// and bars of splitter::AccessibleTree, in screen coordinates; what is the window's own
// (parent, the control's role, state and place) comes from the standard client object.
// It holds only a weak link to its control: a tool that keeps it after the control is gone
// gets CO_E_OBJNOTCONNECTED.
#include <windows.h>
#include <oleacc.h>

#include <functional>
#include <memory>
#include <optional>

#include "activex/com_object.h"
#include "com/com_ptr.h"
#include "splitter/accessible_tree.h"

namespace activex {

// Reads the control's tree; held by the control, lent weakly to its accessible objects.
using AccessibleSource = std::function<splitter::AccessibleTree()>;

class AccessibleObject final : public ComObject, public IAccessible {
 public:
  // IID_IAccessible itself: linking oleacc's import library binds that name to an import
  // thunk instead of the GUID.
  static constexpr IID kInterfaceId = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

  // The object for one WM_GETOBJECT; empty when the standard client object cannot be made.
  static ComPtr<IAccessible> Create(HWND window, std::weak_ptr<const AccessibleSource> source);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // IDispatch: tools call IAccessible directly; there is no type information to offer.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override;

  // IAccessible
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override;
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override;
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override;
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override;
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override;
  HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
  HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
  HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;

 private:
  AccessibleObject(HWND window, ComPtr<IAccessible> standard, std::weak_ptr<const AccessibleSource> source)
      : window_(window), standard_(std::move(standard)), source_(std::move(source)) {}

  std::optional<splitter::AccessibleTree> Tree() const;
  // Runs self for CHILDID_SELF and ofChild for a child of the tree; CO_E_OBJNOTCONNECTED
  // once the control is gone, E_INVALIDARG for anything else.
  template <typename Self, typename OfChild>
  HRESULT ForChild(const VARIANT& child, Self&& self, OfChild&& ofChild) const;
  // A property the children do not have: the window's own for the control itself.
  template <typename Self>
  HRESULT SelfOnly(const VARIANT& child, Self&& self) const;
  // A text property the children do not have.
  using TextGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, BSTR*);
  HRESULT SelfText(const VARIANT& child, BSTR* text, TextGetter get) const;
  // A number property: the window's own for the control itself, ofChild's for a child.
  using IntegerGetter = HRESULT (STDMETHODCALLTYPE IAccessible::*)(VARIANT, VARIANT*);
  template <typename OfChild>
  HRESULT Integer(const VARIANT& child, VARIANT* out, IntegerGetter get, OfChild&& ofChild) const;

  HWND window_;
  ComPtr<IAccessible> standard_;
  std::weak_ptr<const AccessibleSource> source_;
};

}  // namespace activex
