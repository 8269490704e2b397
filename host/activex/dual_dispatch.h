#pragma once
// IDispatch of a dual interface, driven by the type library: names and dispatch ids,
// optional and by-reference arguments are all the type library's. Errors of the
// interface's members carry IErrorInfo, which ISupportErrorInfo says.
#include <windows.h>
#include <oaidl.h>

#include "host/activex/com_ptr.h"
#include "host/activex/error_info.h"
#include "host/activex/type_library.h"

namespace activex {

template <typename Interface>
class DualDispatch : public Interface, public ISupportErrorInfo {
 public:
  explicit DualDispatch(REFIID iid) : iid_(iid) {}

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override { return iid == iid_ ? S_OK : S_FALSE; }

  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    if (!count) return E_POINTER;
    *count = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID, ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = nullptr;
    if (index != 0) return DISP_E_BADINDEX;
    ComPtr<ITypeInfo> found = TypeInfoOf(iid_);
    if (!found) return TYPE_E_ELEMENTNOTFOUND;
    *info = found.Detach();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID,
                                          DISPID* ids) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info = TypeInfoOf(iid_);
    if (!info) return TYPE_E_ELEMENTNOTFOUND;
    return info->GetIDsOfNames(names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info = VtableTypeInfoOf(iid_);
    if (!info) return TYPE_E_ELEMENTNOTFOUND;
    ReportFailure(S_OK);
    HRESULT hr = info->Invoke(static_cast<Interface*>(this), member, flags, params, result, exception, argumentError);
    if (hr == DISP_E_EXCEPTION && exception && exception->bstrDescription == nullptr) {
      FillExcepInfo(exception->scode, exception);
    } else if (FAILED(hr) && FillExcepInfo(hr, exception)) {
      hr = DISP_E_EXCEPTION;
    }
    return hr;
  }

 private:
  IID iid_;
};

}  // namespace activex
