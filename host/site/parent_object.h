#pragma once
// An object of the container's parent chain (the form, the form's own parent...), reached
// by name on the real platform.
#include <memory>

#include "host/interface.h"
#include "host/window_handle.h"

namespace host {

class ParentObject;
using ParentRef = std::shared_ptr<ParentObject>;

class ParentObject : public Interface {
 public:
  // Throws host::Error when the object has no window.
  virtual WindowHandle Hwnd() const = 0;
  // Null for Nothing; throws host::Error at the top of the chain, which has no Parent.
  virtual ParentRef Parent() const = 0;
};

}  // namespace host
