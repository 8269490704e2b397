#pragma once
// The COM object of one pane. A pane has at most one at a time, so a client that reads
// the same pane twice gets the same object.
#include <windows.h>
#include <ocidl.h>

#include "OvSplitr_h.h"
#include "activex/class_info_provider.h"
#include "activex/dispatch_object.h"
#include "panes/ov_pane.h"

namespace activex {

class PaneObject final : public DispatchObject<PaneObject, panes::OvPane, _OvPane2>,
                         public ClassInfoProvider<&CLSID_OvPane> {
 public:
  // The pane behind one of our pane objects, or null for any other object.
  static panes::PanePtr Unwrap(IUnknown* object);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  // _OvPane: every property comes and goes by reference.
  HRESULT STDMETHODCALLTYPE put_ResizeChildControl(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE get_ResizeChildControl(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_Minimum(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Minimum(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_ControlName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_ControlName(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE putref_Tag(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE put_Tag(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_Tag(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE put_Name(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE get_Name(BSTR* value) override;
  HRESULT STDMETHODCALLTYPE put_Left(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Left(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Top(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Top(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Width(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Width(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Height(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Height(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Appearance(OvPaneAppearanceConstants* value) override;
  HRESULT STDMETHODCALLTYPE get_Appearance(OvPaneAppearanceConstants* value) override;
  HRESULT STDMETHODCALLTYPE put_Key(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE get_Key(VARIANT* value) override;
  HRESULT STDMETHODCALLTYPE put_Index(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Index(LONG* value) override;

  // _OvPane2
  HRESULT STDMETHODCALLTYPE put_Fixed(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE get_Fixed(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_Maximum(LONG* value) override;
  HRESULT STDMETHODCALLTYPE get_Maximum(LONG* value) override;
  HRESULT STDMETHODCALLTYPE put_Collapsible(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE get_Collapsible(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE put_Collapsed(VARIANT_BOOL* value) override;
  HRESULT STDMETHODCALLTYPE get_Collapsed(VARIANT_BOOL* value) override;

 private:
  friend DispatchObject;
  explicit PaneObject(panes::PanePtr pane) : DispatchObject(IID__OvPane2, std::move(pane), IID__OvPane) {}
};

}  // namespace activex
