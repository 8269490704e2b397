#include "sim/sim_property_page_site.h"

#include "host/error.h"

namespace host::sim {

SimPageControl& SimPropertyPageSite::Control(StringView name) {
  auto found = controls_.find(name);
  if (found == controls_.end()) found = controls_.emplace(String(name), std::make_unique<SimPageControl>()).first;
  return *found->second;
}

NamedObject& SimPropertyPageSite::SelectedControl() {
  if (selected_.empty()) throw Error::Runtime(err::kObjectRequired);
  return *selected_.front();
}

}  // namespace host::sim
