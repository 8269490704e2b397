#pragma once
// The COM object of one pane. A pane has at most one at a time, so a client that reads
// the same pane twice gets the same object.
#include <windows.h>
#include <ocidl.h>

#include "OvSplitr_h.h"
#include "host/activex/class_info_provider.h"
#include "host/activex/com_object.h"
#include "host/activex/dual_dispatch.h"
#include "panes/ov_pane.h"

namespace activex {

class PaneObject final : public ComObject, public DualDispatch<_OvPane>, public ClassInfoProvider<&CLSID_OvPane> {
 public:
  // The pane's object with one reference for the caller; null for no pane.
  static _OvPane* Wrap(const panes::PanePtr& pane);
  // The pane behind one of our pane objects, or null for any other object.
  static panes::PanePtr Unwrap(IUnknown* object);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  OV_IUNKNOWN_BY_COMOBJECT


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

 private:
  explicit PaneObject(panes::PanePtr pane);
  ~PaneObject() override;

  template <typename Body>
  HRESULT Run(Body&& body) { return Guarded(IID__OvPane, body); }

  panes::PanePtr pane_;
};

}  // namespace activex
