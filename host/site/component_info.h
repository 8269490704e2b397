#pragma once
// What the component file says about itself in its version resource.
#include "host/interface.h"
#include "host/text.h"

namespace host {

struct ComponentVersion {
  int major = 0;
  int minor = 0;
  int revision = 0;
};

class ComponentInfo : public Interface {
 public:
  virtual ComponentVersion Version() const = 0;
  virtual String ProductName() const = 0;
};

}  // namespace host
