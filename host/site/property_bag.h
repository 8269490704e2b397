#pragma once
// The host's property bag. The default rule lives here, once for every bag: a key the bag
// lacks reads as its default, and a value equal to its default (by VariantEquals, so Empty
// equals "" and 0) is not written.
#include <optional>

#include "host/interface.h"
#include "host/text.h"
#include "host/variant.h"

namespace host {

class PropertyBag : public Interface {
 public:
  // The stored value as stored (no conversion to the default's type), else defaultValue.
  Variant ReadProperty(StringView name, const Variant& defaultValue) {
    std::optional<Variant> stored = Find(name);
    return stored ? std::move(*stored) : defaultValue;
  }

  void WriteProperty(StringView name, const Variant& value, const Variant& defaultValue) {
    if (!VariantEquals(value, defaultValue)) Store(name, value);
  }

 protected:
  // The stored value of the key, or nothing when the bag lacks it.
  virtual std::optional<Variant> Find(StringView name) = 0;
  virtual void Store(StringView name, const Variant& value) = 0;
};

}  // namespace host
