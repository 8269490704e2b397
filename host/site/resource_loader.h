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
  // The cursor's image drawn `size` pixels square (32 at 96 pixels per inch).
  virtual PictureRef LoadCursorPicture(int32_t resourceId, int32_t size) = 0;
};

}  // namespace host
