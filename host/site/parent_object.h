#pragma once
// An object of the container's parent chain with its window, reached by name on the real
// platform.
#include <memory>

#include "host/site/parent_chain_object.h"
#include "host/window_handle.h"

namespace host {

class ParentObject : public ParentChainObject<ParentObject> {
 public:
  // Throws host::Error when the object has no window.
  virtual WindowHandle Hwnd() const = 0;
};
using ParentRef = std::shared_ptr<ParentObject>;

}  // namespace host
