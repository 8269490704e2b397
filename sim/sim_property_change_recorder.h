#pragma once
// Keeps the names given to PropertyChanged, in order; logs "PropertyChanged <name>".
#include <vector>

#include "host/site/property_change_sink.h"
#include "sim/sim_trace.h"

namespace host::sim {

class SimPropertyChangeRecorder : public PropertyChangeSink {
 public:
  explicit SimPropertyChangeRecorder(SimTrace* sharedTrace = nullptr) : sharedTrace_(sharedTrace) {}

  void PropertyChanged(StringView name) override;

  const std::vector<String>& Names() const { return names_; }
  void Clear() { names_.clear(); }

 private:
  SimTrace* sharedTrace_;
  std::vector<String> names_;
};

}  // namespace host::sim
