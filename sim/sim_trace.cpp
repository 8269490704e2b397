#include "sim/sim_trace.h"

#include <cstdio>
#include <utility>

namespace host::sim {

void SimTrace::Add(std::string line) {
  if (forwardTo_)
    forwardTo_->Add(std::move(line));
  else
    lines_.push_back(std::move(line));
}

std::string SimTrace::Number(double value) {
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.10g", value);
  return buffer;
}

}  // namespace host::sim
