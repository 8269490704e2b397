#include "host/memory_bag.h"

namespace host {

Variant MemoryBag::Value(StringView name) const {
  auto found = index_.find(String(name));
  return found == index_.end() ? Variant() : entries_[found->second].second;
}

std::vector<String> MemoryBag::Keys() const {
  std::vector<String> keys;
  for (const auto& entry : entries_) keys.push_back(entry.first);
  return keys;
}

std::optional<Variant> MemoryBag::Find(StringView name) {
  auto found = index_.find(String(name));
  if (found == index_.end()) return std::nullopt;
  return entries_[found->second].second;
}

void MemoryBag::Store(StringView name, const Variant& value) {
  auto [found, added] = index_.try_emplace(String(name), entries_.size());
  if (added)
    entries_.emplace_back(String(name), value);
  else
    entries_[found->second].second = value;
}

}  // namespace host
