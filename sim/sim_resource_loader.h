#pragma once
// The component's cursor resources as icon pictures labelled "cursor <id>"; every load is
// makes a new picture, as the platform does.
#include <cstdint>
#include <set>

#include "host/site/resource_loader.h"

namespace host::sim {

class SimResourceLoader : public ResourceLoader {
 public:
  // The component file carries cursors 120 and 121.
  SimResourceLoader() : available_{120, 121} {}

  // Described as "cursor <id>", with the size after it when it is not 32.
  PictureRef LoadCursorPicture(int32_t resourceId, int32_t size) override;

 private:
  std::set<int32_t> available_;
};

}  // namespace host::sim
