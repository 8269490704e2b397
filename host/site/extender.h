#pragma once
// The properties that the container adds to the control (its extender), read by name:
// every read may throw host::Error when the container does not offer the property.
#include "host/interface.h"
#include "host/site/parent_object.h"
#include "host/variant.h"

namespace host {

class Extender : public Interface {
 public:
  // The control's position on its container, in the container's scale units, as given.
  virtual Variant Left() const = 0;
  virtual Variant Top() const = 0;
  // The object that holds the control (the form): the start of the parent chain.
  virtual ParentRef Parent() const = 0;
};

}  // namespace host
