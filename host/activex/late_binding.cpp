#include "host/activex/late_binding.h"

#include <vector>

#include "host/activex/variant_bridge.h"
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

class OwnedVariant {
 public:
  OwnedVariant() { VariantInit(&value); }
  ~OwnedVariant() { VariantClear(&value); }
  OwnedVariant(const OwnedVariant&) = delete;
  OwnedVariant& operator=(const OwnedVariant&) = delete;
  VARIANT value;
};

void Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::initializer_list<host::Variant> arguments,
            VARIANT* result) {
  DISPID id = IdOf(object, name);
  std::vector<VARIANT> values(arguments.size());
  size_t slot = arguments.size();
  for (const host::Variant& argument : arguments) ToVariant(argument, &values[--slot]);  // last to first
  DISPPARAMS params = {values.data(), nullptr, static_cast<UINT>(values.size()), 0};
  HRESULT hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, nullptr, nullptr);
  for (VARIANT& value : values) VariantClear(&value);
  if (FAILED(hr)) NotSupported();
}

}  // namespace

host::Variant GetByName(IDispatch* object, const wchar_t* name) {
  OwnedVariant result;
  Invoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {}, &result.value);
  return FromVariant(result.value);
}

host::Variant CallByName(IDispatch* object, const wchar_t* name, std::initializer_list<host::Variant> arguments) {
  OwnedVariant result;
  Invoke(object, name, DISPATCH_METHOD, arguments, &result.value);
  return FromVariant(result.value);
}

ComPtr<IUnknown> ObjectByName(IDispatch* object, const wchar_t* name) {
  OwnedVariant result;
  Invoke(object, name, DISPATCH_PROPERTYGET, {}, &result.value);
  if (V_VT(&result.value) == VT_DISPATCH || V_VT(&result.value) == VT_UNKNOWN)
    return IdentityOf(V_VT(&result.value) == VT_DISPATCH ? V_DISPATCH(&result.value) : V_UNKNOWN(&result.value));
  return ComPtr<IUnknown>();
}

ComPtr<IUnknown> IdentityOf(IUnknown* object) {
  ComPtr<IUnknown> identity;
  if (object) object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity.Out()));
  return identity;
}

}  // namespace activex
