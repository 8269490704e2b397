#pragma once
// A property bag in memory. Keys compare exactly and keep the order of their first write.
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/site/property_bag.h"

namespace host {

class MemoryBag : public PropertyBag {
 public:
  // Puts a value in as a saved record holds it, bypassing the default rule.
  void Set(StringView name, Variant value) { Store(name, value); }

  bool Contains(StringView name) const { return index_.contains(String(name)); }
  // The stored value; Empty when the key is absent (use Contains to tell).
  Variant Value(StringView name) const;
  // The stored keys in the order of their first write.
  std::vector<String> Keys() const;
  const std::vector<std::pair<String, Variant>>& Entries() const { return entries_; }

 protected:
  std::optional<Variant> Find(StringView name) override;
  void Store(StringView name, const Variant& value) override;

 private:
  std::vector<std::pair<String, Variant>> entries_;
  std::unordered_map<String, size_t> index_;
};

}  // namespace host
