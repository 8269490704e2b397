#pragma once
// The version resource of a module: the file version's numbers as form languages name them
// (major, minor and revision: the first, second and fourth field) and the product name.
#include <windows.h>

#include "host/site/component_info.h"

namespace win32 {

class ModuleVersion final : public host::ComponentInfo {
 public:
  // Throws host::Error when the module has no readable version resource of that id.
  ModuleVersion(HMODULE module, int resourceId);

  host::ComponentVersion Version() const override { return version_; }
  host::String ProductName() const override { return productName_; }

 private:
  host::ComponentVersion version_;
  host::String productName_;
};

}  // namespace win32
