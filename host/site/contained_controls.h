#pragma once
// The controls that the container holds inside the splitter.
#include <vector>

#include "host/interface.h"
#include "host/site/contained_control.h"

namespace host {

class ContainedControls : public Interface {
 public:
  // The controls as they stand now, in the container's order; asked again on every call.
  virtual std::vector<ContainedControlRef> Enumerate() const = 0;
};

}  // namespace host
