#pragma once
// An object of the control's parent chain as read by name: its Name, its Parent and its
// Controls. Any member may throw host::Error where the object lacks it.
#include <memory>
#include <vector>

#include "host/site/contained_control.h"
#include "host/site/parent_chain_object.h"
#include "host/text.h"

namespace host {

class NamedParent : public ParentChainObject<NamedParent> {
 public:
  virtual String Name() const = 0;
  // The controls the object holds, in its own order.
  virtual std::vector<ContainedControlRef> Controls() const = 0;
};
using NamedParentRef = std::shared_ptr<NamedParent>;

}  // namespace host
