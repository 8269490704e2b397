#include "activex/late_binding.h"

#include <utility>
#include <vector>

#include "activex/variant_bridge.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {
namespace {

[[noreturn]] void NotSupported() { throw host::Error::Runtime(host::err::kMemberNotSupported); }

DISPID IdOf(IDispatch* object, const wchar_t* name) {
  if (!object) throw host::Error::Runtime(host::err::kObjectRequired);
  DISPID id;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) NotSupported();
  return id;
}

HRESULT Invoke(IDispatch* object, DISPID id, WORD flags, std::initializer_list<host::Variant> arguments,
               VARIANT* result, EXCEPINFO* exception = nullptr) {
  std::vector<win32::UniqueVariant> values(arguments.size());
  size_t slot = arguments.size();
  for (const host::Variant& argument : arguments) ToVariant(argument, values[--slot].put());  // last to first
  // UniqueVariant holds exactly one VARIANT, so the vector is the argument array itself.
  static_assert(sizeof(win32::UniqueVariant) == sizeof(VARIANT));
  DISPPARAMS params = {reinterpret_cast<VARIANT*>(values.data()), nullptr, static_cast<UINT>(values.size()), 0};
  return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception, nullptr);
}

win32::UniqueVariant InvokeByName(IDispatch* object, const wchar_t* name, WORD flags,
                                  std::initializer_list<host::Variant> arguments) {
  win32::UniqueVariant result;
  EXCEPINFO exception{};
  HRESULT hr = Invoke(object, IdOf(object, name), flags, arguments, result.put(), &exception);
  if (FAILED(hr)) throw InvokeFailure(hr, exception);
  return result;
}

}  // namespace

host::Error InvokeFailure(HRESULT result, EXCEPINFO& exception) {
  if (result == DISP_E_EXCEPTION) {
    if (exception.pfnDeferredFillIn) exception.pfnDeferredFillIn(&exception);
    win32::UniqueBstr source(std::exchange(exception.bstrSource, nullptr));
    win32::UniqueBstr description(std::exchange(exception.bstrDescription, nullptr));
    win32::UniqueBstr helpFile(std::exchange(exception.bstrHelpFile, nullptr));
    // A run-time error travels as FACILITY_CONTROL; its number is the low word.
    uint32_t number = exception.scode ? static_cast<uint32_t>(exception.scode) : exception.wCode;
    if ((number & 0xFFFF0000u) == 0x800A0000u) number &= 0xFFFFu;
    return host::Error(static_cast<int32_t>(number), FromBstr(source.get()), FromBstr(description.get()),
                       FromBstr(helpFile.get()));
  }
  switch (result) {
    case DISP_E_MEMBERNOTFOUND:
    case DISP_E_UNKNOWNNAME:
      return host::Error::Runtime(host::err::kMemberNotSupported);
    case DISP_E_TYPEMISMATCH:
      return host::Error::Runtime(host::err::kTypeMismatch);
    case DISP_E_OVERFLOW:
      return host::Error::Runtime(host::err::kOverflow);
    case DISP_E_BADPARAMCOUNT:
    case DISP_E_PARAMNOTOPTIONAL:
      return host::Error::Runtime(host::err::kWrongArgumentCount);
    default:
      return host::Error::Bare(result, u"Automation error");
  }
}

std::optional<host::Variant> GetById(IDispatch* object, DISPID id) {
  win32::UniqueVariant result;
  if (FAILED(Invoke(object, id, DISPATCH_PROPERTYGET, {}, result.put()))) return std::nullopt;
  return FromVariant(result.get());
}

host::Variant GetByName(IDispatch* object, const wchar_t* name) {
  return FromVariant(InvokeByName(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}).get());
}

host::Variant CallByName(IDispatch* object, const wchar_t* name, std::initializer_list<host::Variant> arguments) {
  return FromVariant(InvokeByName(object, name, DISPATCH_METHOD, arguments).get());
}

ComPtr<IUnknown> ObjectByName(IDispatch* object, const wchar_t* name) {
  win32::UniqueVariant result = InvokeByName(object, name, DISPATCH_PROPERTYGET, {});
  const VARIANT& value = result.get();
  if (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN)
    return IdentityOf(V_VT(&value) == VT_DISPATCH ? V_DISPATCH(&value) : V_UNKNOWN(&value));
  return ComPtr<IUnknown>();
}

ComPtr<IUnknown> IdentityOf(IUnknown* object) {
  ComPtr<IUnknown> identity;
  if (object) object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Out()));
  return identity;
}

}  // namespace activex
