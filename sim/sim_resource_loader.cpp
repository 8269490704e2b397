#include "sim/sim_resource_loader.h"

#include <string>

#include "sim/sim_errors.h"
#include "sim/sim_picture.h"

namespace host::sim {

PictureRef SimResourceLoader::LoadCursorPicture(int32_t resourceId, int32_t size) {
  if (!available_.contains(resourceId)) throw Error::Runtime(kResourceNotFound);
  return SimPicture::Make(PictureType::Icon,
                          "cursor " + std::to_string(resourceId) + (size == 32 ? "" : " " + std::to_string(size)));
}

}  // namespace host::sim
