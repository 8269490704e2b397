#pragma once
// A property bag in memory that records every ReadProperty by name,
// the keys it found and those it did not.
#include <optional>
#include <vector>

#include "host/memory_bag.h"

namespace host::sim {

class SimPropertyBag : public MemoryBag {
 public:
  SimPropertyBag() = default;
  explicit SimPropertyBag(MemoryBag record) : MemoryBag(std::move(record)) {}

  const std::vector<String>& ReadNames() const { return readNames_; }

 protected:
  std::optional<Variant> Find(StringView name) override;

 private:
  std::vector<String> readNames_;
};

}  // namespace host::sim
