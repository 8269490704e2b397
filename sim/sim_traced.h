#pragma once
#include "sim/sim_trace.h"

namespace host::sim {

// A simulated service that records its calls in a trace of its own, which passes them on to
// a shared trace when it is given one.
class SimTraced {
 public:
  const SimTrace& Log() const { return log_; }
  void ClearLog() { log_.Clear(); }

 protected:
  explicit SimTraced(SimTrace* sharedTrace) : log_(sharedTrace) {}
  SimTrace& Trace() { return log_; }

 private:
  SimTrace log_;
};

}  // namespace host::sim
