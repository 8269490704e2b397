#include "host/activex/com_property_bag.h"

#include <olectl.h>

#include "host/activex/platform_picture.h"
#include "host/activex/variant_bridge.h"
#include "host/com/com_ptr.h"
#include "host/com/unique_handle.h"
#include "host/error.h"

namespace activex {

namespace {

// A stored object that is a picture becomes one, so that the control can ask its type.
host::Variant PictureOrValue(const VARIANT& value) {
  if (V_VT(&value) == VT_DISPATCH || V_VT(&value) == VT_UNKNOWN) {
    IUnknown* object = V_VT(&value) == VT_DISPATCH ? V_DISPATCH(&value) : V_UNKNOWN(&value);
    ComPtr<IPictureDisp> picture;
    if (object && SUCCEEDED(object->QueryInterface(IID_IPictureDisp, reinterpret_cast<void**>(picture.Out()))))
      return host::Variant(host::ObjectRef(PlatformPicture::From(picture.Get())));
  }
  return FromVariant(value);
}

}  // namespace

std::optional<host::Variant> ComPropertyBag::Find(host::StringView name) {
  const std::wstring key(name.begin(), name.end());
  win32::UniqueVariant value;
  // Asked as Empty, the bag answers in the type it stored; a key it lacks is an error.
  if (FAILED(bag_.Read(key.c_str(), value.put(), errorLog_))) return std::nullopt;
  return PictureOrValue(value.get());
}

void ComPropertyBag::Store(host::StringView name, const host::Variant& value) {
  const std::wstring key(name.begin(), name.end());
  win32::UniqueVariant stored;
  VARIANT* out = stored.put();
  auto picture = value.IsObject() ? std::dynamic_pointer_cast<host::Picture>(value.AsObject()) : nullptr;
  if (picture) {
    V_VT(out) = VT_DISPATCH;
    V_DISPATCH(out) = PlatformPicture::ToDispatch(picture);
  } else {
    ToVariant(value, out);
  }
  HRESULT hr = bag_.Write(key.c_str(), out);
  if (FAILED(hr))
    throw host::Error::Bare(hr, u"The container's property bag did not take the property " + host::String(name) + u".");
}

}  // namespace activex
