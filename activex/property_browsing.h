#pragma once
// IPerPropertyBrowsing of the control: a property browser lists the named values of the
// enumerated properties ("1 - Ov3D"), shows the current value's name, maps a chosen name
// back to its value and opens the property page where a property is edited. It lives
// inside the control's COM object and shares its identity; the current values are read
// through the object's own IDispatch.
#include <windows.h>
#include <ocidl.h>

#include "host/text.h"

namespace activex {

class PropertyBrowsing final : public IPerPropertyBrowsing {
 public:
  // outer: the control object; members: the dispatch interface whose members are browsed.
  PropertyBrowsing(IDispatch& outer, REFIID members) : outer_(outer), members_(members) {}

  // IUnknown, the outer object's
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override { return outer_.QueryInterface(iid, out); }
  ULONG STDMETHODCALLTYPE AddRef() override { return outer_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return outer_.Release(); }

  // IPerPropertyBrowsing
  HRESULT STDMETHODCALLTYPE GetDisplayString(DISPID member, BSTR* text) override;
  HRESULT STDMETHODCALLTYPE MapPropertyToPage(DISPID member, CLSID* page) override;
  HRESULT STDMETHODCALLTYPE GetPredefinedStrings(DISPID member, CALPOLESTR* strings, CADWORD* cookies) override;
  HRESULT STDMETHODCALLTYPE GetPredefinedValue(DISPID member, DWORD cookie, VARIANT* value) override;

 private:
  // The member's name in the type library; empty when it has none.
  host::String MemberName(DISPID member) const;

  IDispatch& outer_;
  const IID& members_;
};

}  // namespace activex
