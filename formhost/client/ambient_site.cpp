#include "ambient_site.h"

#include <olectl.h>

AmbientSite* AmbientSite::Create(std::optional<std::wstring> scaleUnits) {
    return new AmbientSite(std::move(scaleUnits));
}

AmbientSite::AmbientSite(std::optional<std::wstring> scaleUnits)
    : scaleUnits_(std::move(scaleUnits)) {}

STDMETHODIMP AmbientSite::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IOleClientSite))
        *object = static_cast<IOleClientSite*>(this);
    else if (IsEqualIID(iid, IID_IDispatch))
        *object = static_cast<IDispatch*>(this);
    else if (IsEqualIID(iid, IID_IOleControlSite))
        *object = static_cast<IOleControlSite*>(this);
    else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) AmbientSite::AddRef() { return ++references_; }

STDMETHODIMP_(ULONG) AmbientSite::Release() {
    ULONG left = --references_;
    if (left == 0)
        delete this;
    return left;
}

STDMETHODIMP AmbientSite::SaveObject() { return E_NOTIMPL; }

STDMETHODIMP AmbientSite::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
    if (moniker)
        *moniker = nullptr;
    return E_NOTIMPL;
}

STDMETHODIMP AmbientSite::GetContainer(IOleContainer** container) {
    if (container)
        *container = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP AmbientSite::ShowObject() { return S_OK; }
STDMETHODIMP AmbientSite::OnShowWindow(BOOL) { return S_OK; }
STDMETHODIMP AmbientSite::RequestNewObjectLayout() { return E_NOTIMPL; }

STDMETHODIMP AmbientSite::GetTypeInfoCount(UINT* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

STDMETHODIMP AmbientSite::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

namespace {
constexpr DISPID kExtenderLeft = 1;
constexpr DISPID kExtenderTop = 2;
}  // namespace

STDMETHODIMP AmbientSite::GetExtendedControl(IDispatch** extender) {
    if (!extender)
        return E_POINTER;
    *extender = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP AmbientSite::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    for (UINT i = 0; i < count; ++i)
        ids[i] = DISPID_UNKNOWN;
    if (count >= 1 && _wcsicmp(names[0], L"Left") == 0)
        ids[0] = kExtenderLeft;
    else if (count >= 1 && _wcsicmp(names[0], L"Top") == 0)
        ids[0] = kExtenderTop;
    return ids[0] == DISPID_UNKNOWN ? DISP_E_UNKNOWNNAME : S_OK;
}

STDMETHODIMP AmbientSite::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*,
                                 VARIANT* result, EXCEPINFO*, UINT*) {
    askedIds_.push_back(id);
    if (!(flags & DISPATCH_PROPERTYGET))
        return DISP_E_MEMBERNOTFOUND;
    if (id == kExtenderLeft || id == kExtenderTop) {
        if (result) {
            VariantInit(result);
            result->vt = VT_I4;
            result->lVal = 0;
        }
        return S_OK;
    }
    if (id == DISPID_AMBIENT_USERMODE) {
        if (result) {
            VariantInit(result);
            result->vt = VT_BOOL;
            result->boolVal = VARIANT_TRUE;
        }
        return S_OK;
    }
    // -707, as real containers answer it (-716 is the ambient Appearance).
    if (id == DISPID_AMBIENT_SCALEUNITS && scaleUnits_) {
        if (result) {
            VariantInit(result);
            result->vt = VT_BSTR;
            result->bstrVal = SysAllocString(scaleUnits_->c_str());
        }
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}
