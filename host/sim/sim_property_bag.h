#pragma once
// A property bag in memory (a PropertyRecord) that records every ReadProperty by name,
// the keys it found and those it did not.
#include <optional>
#include <vector>

#include "host/property_record.h"

namespace host::sim {

class SimPropertyBag : public PropertyRecord {
 public:
  SimPropertyBag() = default;
  explicit SimPropertyBag(PropertyRecord record) : PropertyRecord(std::move(record)) {}

  const std::vector<String>& ReadNames() const { return readNames_; }

 protected:
  std::optional<Variant> Find(StringView name) override;

 private:
  std::vector<String> readNames_;
};

}  // namespace host::sim
