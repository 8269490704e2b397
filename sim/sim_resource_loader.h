#pragma once
// The component's cursor resources as icon pictures labelled "cursor <id>"; every load is
// recorded and makes a new picture, as the platform does.
#include <cstdint>
#include <set>
#include <vector>

#include "host/site/resource_loader.h"

namespace host::sim {

class SimResourceLoader : public ResourceLoader {
 public:
  // The component file carries cursors 120 and 121.
  SimResourceLoader() : available_{120, 121} {}

  PictureRef LoadCursorPicture(int32_t resourceId) override;

  void SetAvailable(std::set<int32_t> resourceIds) { available_ = std::move(resourceIds); }
  const std::vector<int32_t>& LoadedIds() const { return loaded_; }

 private:
  std::set<int32_t> available_;
  std::vector<int32_t> loaded_;
};

}  // namespace host::sim
