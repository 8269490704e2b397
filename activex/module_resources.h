#pragma once
// The component file's own resources as platform objects: a cursor resource becomes a
// picture (an icon-type IPicture that owns the cursor), as a form language's
// LoadResPicture(id, vbResCursor) gives it.
#include "host/site/resource_loader.h"

namespace activex {

class ModuleResources final : public host::ResourceLoader {
 public:
  // Throws host::Error "Resource with identifier not found" when the file has no cursor of
  // that id.
  host::PictureRef LoadCursorPicture(int32_t resourceId, int32_t size) override;
};

}  // namespace activex
