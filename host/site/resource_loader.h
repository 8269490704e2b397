#pragma once
// The component's own resources, loaded as platform objects.
#include <cstdint>

#include "host/site/picture.h"

namespace host {

class ResourceLoader {
 public:
  virtual ~ResourceLoader() = default;
  // The cursor resource of that id in the component file, as a new picture; throws
  // host::Error when there is none.
  virtual PictureRef LoadCursorPicture(int32_t resourceId) = 0;
};

}  // namespace host
