#include "automation/dispatch_client.h"

#include "automation/dispatch_error.h"
#include "com/unique_handle.h"

namespace {

// The text of a BSTR the caller was given to free; the field is left null.
std::wstring TakeBstr(BSTR& field) {
  win32::UniqueBstr text(std::exchange(field, nullptr));
  return text ? std::wstring(text.get(), SysStringLen(text.get())) : std::wstring();
}

}  // namespace

DispatchClient::DispatchClient(IDispatch* object) : object_(activex::ComPtr<IDispatch>::Share(object)) {}

DispatchClient DispatchClient::From(const VariantValue& value) {
  IUnknown* unknown = value.AsUnknown();
  if (!unknown) throw DispatchError(E_NOINTERFACE, L"(object expected)");
  activex::ComPtr<IDispatch> dispatch;
  HRESULT hr = unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(dispatch.Out()));
  if (FAILED(hr)) throw DispatchError(hr, L"QueryInterface(IDispatch)");
  return DispatchClient(dispatch.Get());
}

const void* DispatchClient::Identity() const {
  // The address alone is kept: the object lives on in this client.
  return object_ ? object_.As<IUnknown>(IID_IUnknown).Get() : nullptr;
}

DISPID DispatchClient::IdOf(const std::wstring& name) const {
  if (!object_) throw DispatchError(E_POINTER, name, L"Object variable not set");
  LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
  DISPID id = DISPID_UNKNOWN;
  HRESULT hr = object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  if (FAILED(hr)) throw DispatchError(hr, name, L"GetIDsOfNames failed");
  return id;
}

VariantValue DispatchClient::InvokeByName(const std::wstring& name, WORD flags,
                                          std::vector<VariantValue> arguments) const {
  return Invoke(IdOf(name), flags, std::move(arguments), name);
}

void DispatchClient::Put(const std::wstring& name, const VariantValue& value) const {
  Invoke(IdOf(name), DISPATCH_PROPERTYPUT, {value}, name);
}

void DispatchClient::PutRef(const std::wstring& name, const VariantValue& value) const {
  Invoke(IdOf(name), DISPATCH_PROPERTYPUTREF, {value}, name);
}

VariantValue DispatchClient::Invoke(DISPID id, WORD flags, std::vector<VariantValue> arguments,
                                    const std::wstring& member) const {
  if (!object_) throw DispatchError(E_POINTER, member, L"Object variable not set");
  std::vector<VARIANT> reversed;
  for (auto it = arguments.rbegin(); it != arguments.rend(); ++it) reversed.push_back(it->Raw());

  DISPID namedPut = DISPID_PROPERTYPUT;
  DISPPARAMS params{};
  params.cArgs = static_cast<UINT>(reversed.size());
  params.rgvarg = reversed.empty() ? nullptr : reversed.data();
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    params.cNamedArgs = 1;
    params.rgdispidNamedArgs = &namedPut;
  }

  VARIANT result;
  VariantInit(&result);
  EXCEPINFO exception{};
  UINT argumentError = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               (flags & DISPATCH_PROPERTYPUT) ? nullptr : &result, &exception, &argumentError);
  if (hr == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    HRESULT number =
        exception.scode ? exception.scode : MAKE_HRESULT(SEVERITY_ERROR, FACILITY_CONTROL, exception.wCode);
    std::wstring description = TakeBstr(exception.bstrDescription);
    std::wstring source = TakeBstr(exception.bstrSource);
    std::wstring helpFile = TakeBstr(exception.bstrHelpFile);
    throw DispatchError(number, member, description, source, helpFile);
  }
  if (FAILED(hr)) throw DispatchError(hr, member, L"Invoke failed");
  return VariantValue::Adopt(result);
}
