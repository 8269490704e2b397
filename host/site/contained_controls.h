#pragma once
// The controls that the container holds inside the splitter.
#include <vector>

#include "host/site/contained_control.h"

namespace host {

class ContainedControls {
 public:
  virtual ~ContainedControls() = default;
  // The controls as they stand now, in the container's order; asked again on every call.
  virtual std::vector<ContainedControlRef> Enumerate() const = 0;
};

}  // namespace host
