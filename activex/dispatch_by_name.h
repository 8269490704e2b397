#pragma once
// Another component's object reached by name through its IDispatch, as a property page
// reaches the controls selected in the designer: the object's own errors come back with
// their number and description, objects it answers are reached by name in turn.
#include <windows.h>
#include <oaidl.h>

#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "host/site/named_object.h"

namespace activex {

class DispatchByName final : public host::NamedObject {
 public:
  // "Object required" when the object offers no IDispatch.
  explicit DispatchByName(IUnknown* object);
  const void* Identity() const override { return identity_.Get(); }

  host::Variant Get(host::StringView member, const std::vector<host::Variant>& arguments = {}) override;
  void Let(host::StringView member, const host::Variant& value) override;
  std::optional<std::vector<host::Variant>> GetArray(host::StringView member) override;

 private:
  DISPID IdOf(host::StringView member) const;
  win32::UniqueVariant Invoke(host::StringView member, WORD flags, const std::vector<host::Variant>& arguments);

  ComPtr<IDispatch> object_;
  ComPtr<IUnknown> identity_;
};

}  // namespace activex
