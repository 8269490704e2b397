#pragma once
// The controls placed inside the splitter: the container's objects whose extender names
// the splitter's own extender as its Container, in the container's order. Each is
// reached by name through its extender.
#include "activex/client_site.h"
#include "host/site/contained_controls.h"

namespace activex {

class SiteContainedControls final : public host::ContainedControls {
 public:
  explicit SiteContainedControls(const ClientSite& site) : site_(site) {}
  std::vector<host::ContainedControlRef> Enumerate() const override;

 private:
  const ClientSite& site_;
};

}  // namespace activex
