#include "automation/ambient_site.h"

#include <olectl.h>

#include "com/query_interface.h"

namespace {

constexpr DISPID kExtenderLeft = 1;
constexpr DISPID kExtenderTop = 2;
constexpr DispatchMember kExtenderMembers[] = {{L"Left", kExtenderLeft}, {L"Top", kExtenderTop}};

}  // namespace

AmbientSite* AmbientSite::Create(std::optional<std::wstring> scaleUnits) {
  return new AmbientSite(std::move(scaleUnits));
}

AmbientSite::AmbientSite(std::optional<std::wstring> scaleUnits)
    : NameDispatch(kExtenderMembers), scaleUnits_(std::move(scaleUnits)) {}

STDMETHODIMP AmbientSite::QueryInterface(REFIID iid, void** object) {
  using activex::As;
  static constexpr activex::InterfaceEntry<AmbientSite> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IOleClientSite}, As<IOleClientSite>},
      {{&IID_IDispatch}, As<IDispatch>},
      {{&IID_IOleControlSite}, As<IOleControlSite>},
  };
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP AmbientSite::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP AmbientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

STDMETHODIMP AmbientSite::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

STDMETHODIMP AmbientSite::ShowObject() { return S_OK; }
STDMETHODIMP AmbientSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP AmbientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP AmbientSite::GetExtendedControl(IDispatch** extender) {
  if (!extender) return E_POINTER;
  *extender = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

STDMETHODIMP AmbientSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result,
                                 EXCEPINFO* exception, UINT*) {
  askedIds_.push_back(id);
  if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
  switch (id) {
    case kExtenderLeft:
      if (leftError_ && exception) {
        *exception = EXCEPINFO{};
        exception->scode = leftError_->first;
        exception->bstrSource = SysAllocString(L"Extender");
        exception->bstrDescription = SysAllocString(leftError_->second.c_str());
        return DISP_E_EXCEPTION;
      }
      return ReturnLong(result, 0);
    case kExtenderTop:
      return ReturnLong(result, 0);
    case DISPID_AMBIENT_USERMODE:
      return ReturnBool(result, true);
    // -707, as real containers answer it (-716 is the ambient Appearance).
    case DISPID_AMBIENT_SCALEUNITS:
      if (!scaleUnits_) return DISP_E_MEMBERNOTFOUND;
      return ReturnString(result, scaleUnits_->c_str());
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
}
