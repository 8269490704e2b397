#include "host/sim/sim_property_bag.h"

namespace host::sim {

const Variant* SimPropertyBag::Lookup(StringView name) const {
  for (const auto& [key, value] : entries_)
    if (key == name) return &value;
  return nullptr;
}

Variant SimPropertyBag::Value(StringView name) const {
  const Variant* value = Lookup(name);
  return value ? *value : Variant();
}

std::vector<String> SimPropertyBag::Keys() const {
  std::vector<String> keys;
  for (const auto& entry : entries_) keys.push_back(entry.first);
  return keys;
}

std::optional<Variant> SimPropertyBag::Find(StringView name) {
  readNames_.emplace_back(name);
  const Variant* value = Lookup(name);
  if (!value) return std::nullopt;
  return *value;
}

void SimPropertyBag::Store(StringView name, const Variant& value) {
  for (auto& [key, stored] : entries_)
    if (key == name) {
      stored = value;
      return;
    }
  entries_.emplace_back(String(name), value);
}

}  // namespace host::sim
