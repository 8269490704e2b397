#include "host/sim/sim_picture.h"

namespace host::sim {

std::string SimPicture::Describe(const PictureRef& picture) {
  if (!picture) return "Nothing";
  if (auto* sim = dynamic_cast<const SimPicture*>(picture.get())) return sim->Label();
  return "picture";
}

}  // namespace host::sim
