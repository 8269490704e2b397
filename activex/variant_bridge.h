#pragma once
// host::Variant to and from VARIANT. Objects of other components travel as
// PlatformObject; the component's own objects as their COM objects.
#include <windows.h>
#include <oaidl.h>

#include "com/com_ptr.h"
#include "host/variant.h"

namespace activex {

// A platform object held by a Variant: keeps one reference to its IUnknown identity.
class PlatformObject : public host::Object {
 public:
  explicit PlatformObject(IUnknown* object);
  const void* Identity() const override { return identity_.Get(); }
  ComPtr<IDispatch> Dispatch() const;
  ComPtr<IUnknown> Unknown() const { return object_; }

 private:
  ComPtr<IUnknown> object_;
  ComPtr<IUnknown> identity_;
};

// Reads through VT_BYREF; a left-out optional argument becomes Variant::Missing().
host::Variant FromVariant(const VARIANT& value);
// Writes a new VARIANT that the caller owns (win32::UniqueVariant).
void ToVariant(const host::Variant& value, VARIANT* out);

}  // namespace activex
