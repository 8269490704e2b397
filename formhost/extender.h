#pragma once
// The extender object the form wraps around each of its controls: the properties and
// methods that the form, not the control, provides (Name, Left, Top, Width, Height,
// Container, Move, hWnd, Refresh, Parent). It is also what the form's container
// enumerates as its embeddings.

#include <windows.h>
#include <oaidl.h>

#include "formhost/form_control.h"
#include "automation/name_dispatch.h"
#include "com/ref_counted.h"

class Extender final : public NameDispatch, private com::RefCounted {
 public:
  // Starts with one reference, the control's.
  static Extender* Create(FormControl& control) { return new Extender(control); }
  // The control is going: later calls fail instead of reaching it.
  void Detach() { control_ = nullptr; }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override;

 private:
  explicit Extender(FormControl& control);
  HRESULT Get(DISPID id, VARIANT* result);
  HRESULT Put(DISPID id, double value);
  HRESULT Move(const DISPPARAMS* params);

  FormControl* control_;
};
