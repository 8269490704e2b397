#pragma once
// The component's own resources, loaded as platform objects.
#include <cstdint>

#include "host/interface.h"
#include "host/site/picture.h"

namespace host {

class ResourceLoader : public Interface {
 public:
  // The cursor resource of that id in the component file, as a new picture; throws
  // host::Error when there is none.
  virtual PictureRef LoadCursorPicture(int32_t resourceId) = 0;
};

}  // namespace host
