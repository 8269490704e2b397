#pragma once
// IDispatch of a dual interface, driven by the type library: names and dispatch ids,
// optional and by-reference arguments are all the type library's. Errors of the
// interface's members carry IErrorInfo, which ISupportErrorInfo says; they cross into
// COM through ComBoundary, and Get and Put check their out- and by-reference parameters.
#include <windows.h>
#include <oaidl.h>

#include <type_traits>
#include <utility>

#include "activex/by_ref_arguments.h"
#include "activex/declared_arguments.h"
#include "activex/error_info.h"
#include "activex/type_library.h"
#include "activex/variant_bridge.h"
#include "com/com_ptr.h"

namespace activex {

template <typename Interface>
class DualDispatch : public Interface, public ISupportErrorInfo {
 public:
  // extended: the earlier interface that this one extends, answered by the same members.
  explicit DualDispatch(REFIID iid, REFIID extended = IID_NULL) : iid_(iid), extended_(extended) {}

  HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID iid) override {
    return iid == iid_ || (iid == extended_ && iid != IID_NULL) ? S_OK : S_FALSE;
  }

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
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID, DISPID* ids) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info = TypeInfoOf(iid_);
    if (!info) return TYPE_E_ELEMENTNOTFOUND;
    return info->GetIDsOfNames(names, count, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) override {
    if (riid != IID_NULL) return DISP_E_UNKNOWNINTERFACE;
    ComPtr<ITypeInfo> info = VtableTypeInfoOf(iid_);
    if (!info) return TYPE_E_ELEMENTNOTFOUND;
    // The interfaces extend each other singly, so this object is also the one it extends.
    info = DeclaringInterfaceOf(info, member);
    ReportFailure(S_OK);
    // A property read called as a method, as script engines do for `obj.Prop(arg);`, reads it.
    if ((flags & DISPATCH_METHOD) && !(flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)))
      flags |= DISPATCH_PROPERTYGET;
    BeforeLateBoundCall();
    if (UINT rest = ArgumentsBeyondPropertyGet(info.Get(), member, flags, params)) {
      if (params->cNamedArgs != 0) {  // a name that the default member's arguments cannot take
        if (argumentError) *argumentError = 0;
        return DISP_E_PARAMNOTFOUND;
      }
      // The trailing arguments in source order come first in rgvarg.
      DISPPARAMS own{params->rgvarg + rest, nullptr, params->cArgs - rest, 0};
      win32::UniqueVariant value;
      HRESULT hr = InvokeMember(info.Get(), member, DISPATCH_PROPERTYGET, &own, value.put(), exception, argumentError);
      if (FAILED(hr)) return hr;
      DISPPARAMS forwarded{params->rgvarg, nullptr, rest, 0};
      return ApplyArgumentsToValue(value.get(), iid_, locale, flags, &forwarded, result, exception, argumentError);
    }
    return InvokeMember(info.Get(), member, flags, params, result, exception, argumentError);
  }

 protected:
  // Runs before every member called through Invoke, the road of script engines.
  virtual void BeforeLateBoundCall() {}

  // The crossing for this interface's members: errors carry the interface as source.
  template <typename Body>
  HRESULT ComBoundary(Body&& body) {
    return activex::ComBoundary(iid_, std::forward<Body>(body));
  }

  // A property read into an out-parameter: E_POINTER without one. A VARIANT is
  // initialised and an interface or BSTR set to null first, as the out-parameter
  // convention requires; a plain value is written only when the read succeeds, so a
  // failing read leaves the caller's value as it was. read() returns the value (a
  // host::Variant for a VARIANT).
  template <typename T, typename Read>
  HRESULT Get(T* out, Read&& read) {
    if (!out) return E_POINTER;
    if constexpr (std::is_same_v<T, VARIANT>) {
      VariantInit(out);
      return ComBoundary([&] { ToVariant(read(), out); });
    } else {
      if constexpr (std::is_pointer_v<T>) *out = nullptr;
      return ComBoundary([&] { *out = read(); });
    }
  }

  // A property write whose value comes by reference: E_POINTER without one.
  template <typename T, typename Write>
  HRESULT Put(T* value, Write&& write) {
    if (!value) return E_POINTER;
    return ComBoundary([&] { write(*value); });
  }

 private:
  // The member through the type library's Invoke, its arguments checked against the
  // declaration and script variables converted.
  HRESULT InvokeMember(ITypeInfo* info, DISPID member, WORD flags, DISPPARAMS* params, VARIANT* result,
                       EXCEPINFO* exception, UINT* argumentError) {
    if (HRESULT hr = CheckDeclaredArguments(info, member, flags, params, argumentError); FAILED(hr)) return hr;
    ByRefArguments arguments(info, member, flags, params);
    if (FAILED(arguments.result())) {
      if (argumentError) *argumentError = arguments.failedArgument();
      return arguments.result();  // DISP_E_TYPEMISMATCH or DISP_E_OVERFLOW, as a by-value argument
    }
    HRESULT hr = info->Invoke(static_cast<Interface*>(this), member, flags, arguments.Params(), result, exception,
                              argumentError);
    if (SUCCEEDED(hr)) arguments.WriteBack();
    if (hr == DISP_E_EXCEPTION && exception && exception->bstrDescription == nullptr) {
      FillExcepInfo(exception->scode, exception);
    } else if (FAILED(hr) && FillExcepInfo(hr, exception)) {
      hr = DISP_E_EXCEPTION;
    }
    return hr;
  }

  IID iid_;
  IID extended_;
};

}  // namespace activex
