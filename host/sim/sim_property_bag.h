#pragma once
// A property bag in memory: keys compare exactly and keep the order of their first write.
// Every ReadProperty is recorded by name, the keys it found and those it did not.
#include <optional>
#include <utility>
#include <vector>

#include "host/site/property_bag.h"

namespace host::sim {

class SimPropertyBag : public PropertyBag {
 public:
  // Puts a value in as a saved record holds it, bypassing the default rule.
  void Set(StringView name, Variant value) { Store(name, value); }

  bool Contains(StringView name) const { return Lookup(name) != nullptr; }
  // The stored value; Empty when the key is absent (use Contains to tell).
  Variant Value(StringView name) const;
  // The stored keys in the order of their first write.
  std::vector<String> Keys() const;
  const std::vector<String>& ReadNames() const { return readNames_; }

 protected:
  std::optional<Variant> Find(StringView name) override;
  void Store(StringView name, const Variant& value) override;

 private:
  const Variant* Lookup(StringView name) const;

  std::vector<std::pair<String, Variant>> entries_;
  std::vector<String> readNames_;
};

}  // namespace host::sim
