#pragma once
// A NameDispatch whose members are all read-only properties (a form object, a site's
// ambient properties): Invoke reads one through GetProperty and answers anything but a
// property get with DISP_E_MEMBERNOTFOUND.
#include "automation/name_dispatch.h"

class PropertyGetDispatch : public NameDispatch {
 public:
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) final;

 protected:
  using NameDispatch::NameDispatch;
  ~PropertyGetDispatch() = default;

  // The property's value into result (the Return helpers), or DISP_E_MEMBERNOTFOUND.
  virtual HRESULT GetProperty(DISPID id, VARIANT* result) = 0;
};
