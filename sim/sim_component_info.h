#pragma once
// The component's version and product name as a test sets them.
#include "host/site/component_info.h"

namespace host::sim {

class SimComponentInfo : public ComponentInfo {
 public:
  SimComponentInfo(ComponentVersion version, String productName)
      : version_(version), productName_(std::move(productName)) {}

  ComponentVersion Version() const override { return version_; }
  String ProductName() const override { return productName_; }

 private:
  ComponentVersion version_;
  String productName_;
};

}  // namespace host::sim
