#pragma once
#include <memory>

#include "host/interface.h"

namespace host {

// An object of a parent chain (the control's parent, the form that holds it, whatever holds
// the form), whose Parent is an object of the same kind.
template <typename Self>
class ParentChainObject : public Interface {
 public:
  // Null for Nothing; throws host::Error at the top of the chain, which has no Parent.
  virtual std::shared_ptr<Self> Parent() const = 0;
};

}  // namespace host
