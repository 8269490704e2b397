#pragma once
// A container's IPropertyBag as the portable code's property bag: values cross through the
// Variant bridge, pictures as the picture objects themselves.
#include <windows.h>
#include <ocidl.h>

#include "host/site/property_bag.h"

namespace activex {

class ComPropertyBag final : public host::PropertyBag {
 public:
  ComPropertyBag(IPropertyBag& bag, IErrorLog* errorLog) : bag_(bag), errorLog_(errorLog) {}

 protected:
  std::optional<host::Variant> Find(host::StringView name) override;
  void Store(host::StringView name, const host::Variant& value) override;

 private:
  IPropertyBag& bag_;
  IErrorLog* errorLog_;
};

}  // namespace activex
