#pragma once
// The container's ambient properties; every read asks the container again.
#include "host/interface.h"
#include "host/text.h"

namespace host {

class AmbientProperties : public Interface {
 public:
  // True at run time, False in the designer.
  virtual bool UserMode() const = 0;
  // The container's scale units by name ("Twip", "Pixel", ...), "" when it gives none.
  virtual String ScaleUnits() const = 0;
};

}  // namespace host
