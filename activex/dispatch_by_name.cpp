#include "activex/dispatch_by_name.h"

#include "activex/late_binding.h"
#include "activex/variant_bridge.h"
#include "com/bstr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {
DispatchByName::DispatchByName(IUnknown* object) {
  if (object) object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(object_.Out()));
  if (!object_) throw host::Error::Runtime(host::err::kObjectRequired);
  object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(identity_.Out()));
}

DISPID DispatchByName::IdOf(host::StringView member) const {
  host::String name(member);
  LPOLESTR names[] = {const_cast<LPOLESTR>(Wide(name))};
  DISPID id;
  if (FAILED(object_->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
    throw host::Error::Runtime(host::err::kMemberNotSupported);
  return id;
}

win32::UniqueVariant DispatchByName::Invoke(host::StringView member, WORD flags,
                                            const std::vector<host::Variant>& arguments) {
  DISPID id = IdOf(member);
  std::vector<win32::UniqueVariant> values(arguments.size());
  size_t slot = arguments.size();
  for (const host::Variant& argument : arguments) ToVariant(argument, values[--slot].put());  // last to first
  static_assert(sizeof(win32::UniqueVariant) == sizeof(VARIANT));
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {reinterpret_cast<VARIANT*>(values.data()), flags == DISPATCH_PROPERTYPUT ? &named : nullptr,
                       static_cast<UINT>(values.size()), flags == DISPATCH_PROPERTYPUT ? 1u : 0u};
  win32::UniqueVariant result;
  EXCEPINFO info = {};
  UINT badArgument = 0;
  HRESULT hr = object_->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                               flags == DISPATCH_PROPERTYPUT ? nullptr : result.put(), &info, &badArgument);
  if (FAILED(hr)) throw InvokeFailure(hr, info);
  return result;
}

host::Variant DispatchByName::Get(host::StringView member, const std::vector<host::Variant>& arguments) {
  win32::UniqueVariant result = Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, arguments);
  const VARIANT& value = result.get();
  if (V_VT(&value) == VT_DISPATCH && V_DISPATCH(&value))
    return host::Variant(host::ObjectRef(std::make_shared<DispatchByName>(V_DISPATCH(&value))));
  return FromVariant(value);
}

void DispatchByName::Let(host::StringView member, const host::Variant& value) {
  Invoke(member, DISPATCH_PROPERTYPUT, {value});
}

std::optional<std::vector<host::Variant>> DispatchByName::GetArray(host::StringView member) {
  win32::UniqueVariant result = Invoke(member, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {});
  const VARIANT& value = result.get();
  if (V_VT(&value) != (VT_ARRAY | VT_VARIANT) || !V_ARRAY(&value) || SafeArrayGetDim(V_ARRAY(&value)) != 1)
    return std::nullopt;
  SAFEARRAY* array = V_ARRAY(&value);
  LONG lower = 0, upper = -1;
  SafeArrayGetLBound(array, 1, &lower);
  SafeArrayGetUBound(array, 1, &upper);
  win32::AccessedArray access(array);
  if (!access.data()) return std::nullopt;
  const VARIANT* elements = static_cast<const VARIANT*>(access.data());
  std::vector<host::Variant> values;
  for (LONG i = 0; i <= upper - lower; ++i) values.push_back(FromVariant(elements[i]));
  return values;
}

}  // namespace activex
