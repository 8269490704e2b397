#pragma once
// The smallest client site a control accepts: IOleClientSite plus the ambient
// properties UserMode (run mode) and, when given, ScaleUnits, and an extender with
// Left and Top at 0 (the site itself, through IOleControlSite).

#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "automation/name_dispatch.h"
#include "com/ref_counted.h"

class AmbientSite : public IOleClientSite, public IOleControlSite, public NameDispatch, private com::RefCounted {
 public:
  // Starts with one reference, the caller's. Without scaleUnits the ambient is absent.
  static AmbientSite* Create(std::optional<std::wstring> scaleUnits);

  ULONG References() const { return com::RefCounted::References(); }
  // Every DISPID the control asked for, in order.
  const std::vector<DISPID>& AskedIds() const { return askedIds_; }
  // From now on the extender's Left raises this error of its own (source "Extender").
  void FailExtenderLeft(HRESULT number, std::wstring description) { leftError_ = {number, std::move(description)}; }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  // IOleClientSite
  STDMETHODIMP SaveObject() override;
  STDMETHODIMP GetMoniker(DWORD assign, DWORD which, IMoniker** moniker) override;
  STDMETHODIMP GetContainer(IOleContainer** container) override;
  STDMETHODIMP ShowObject() override;
  STDMETHODIMP OnShowWindow(BOOL show) override;
  STDMETHODIMP RequestNewObjectLayout() override;

  // IOleControlSite
  STDMETHODIMP OnControlInfoChanged() override { return S_OK; }
  STDMETHODIMP LockInPlaceActive(BOOL) override { return S_OK; }
  STDMETHODIMP GetExtendedControl(IDispatch** extender) override;
  STDMETHODIMP TransformCoords(POINTL*, POINTF*, DWORD) override { return E_NOTIMPL; }
  STDMETHODIMP TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  STDMETHODIMP OnFocus(BOOL) override { return S_OK; }
  STDMETHODIMP ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambients by their ids, the extender's Left and Top by name
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override;

 private:
  explicit AmbientSite(std::optional<std::wstring> scaleUnits);
  ~AmbientSite() override = default;

  std::optional<std::wstring> scaleUnits_;
  std::vector<DISPID> askedIds_;
  std::optional<std::pair<HRESULT, std::wstring>> leftError_;
};
