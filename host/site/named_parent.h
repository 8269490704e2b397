#pragma once
// An object of the control's parent chain as read by name (the control's parent, the form
// that holds it, whatever holds the form): its Name, its Parent and its Controls. Any member
// may throw host::Error where the object lacks it.
#include <memory>
#include <vector>

#include "host/interface.h"
#include "host/site/contained_control.h"
#include "host/text.h"

namespace host {

class NamedParent;
using NamedParentRef = std::shared_ptr<NamedParent>;

class NamedParent : public Interface {
 public:
  virtual String Name() const = 0;
  // Null for Nothing; throws at the top of the chain.
  virtual NamedParentRef Parent() const = 0;
  // The controls the object holds, in its own order.
  virtual std::vector<ContainedControlRef> Controls() const = 0;
};

}  // namespace host
