#include "activex/com_property_bag.h"

#include "activex/variant_bridge.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {

std::optional<host::Variant> ComPropertyBag::Find(host::StringView name) {
  const std::wstring key(name.begin(), name.end());
  win32::UniqueVariant value;
  // Asked as Empty, the bag answers in the type it stored; a key it lacks is an error.
  if (FAILED(bag_.Read(key.c_str(), value.put(), errorLog_))) return std::nullopt;
  return FromVariant(value.get());
}

void ComPropertyBag::Store(host::StringView name, const host::Variant& value) {
  const std::wstring key(name.begin(), name.end());
  win32::UniqueVariant stored;
  ToVariant(value, stored.put());
  HRESULT hr = bag_.Write(key.c_str(), &stored.get());
  if (FAILED(hr))
    throw host::Error::Bare(hr, u"The container's property bag did not take the property " + host::String(name) + u".");
}

}  // namespace activex
