#pragma once
// The component's COM objects: each one counts towards the module's live objects, so
// DllCanUnloadNow waits for it.
#include "activex/module.h"
#include "com/ref_counted.h"

namespace activex {

class ComObject : public com::RefCounted {
 protected:
  ComObject() { ObjectCreated(); }
  ~ComObject() override { ObjectDestroyed(); }
};

}  // namespace activex
