#include "sim/sim_property_bag.h"

namespace host::sim {

std::optional<Variant> SimPropertyBag::Find(StringView name) {
  readNames_.emplace_back(name);
  return MemoryBag::Find(name);
}

}  // namespace host::sim
