#include "sim/sim_extender.h"

#include "sim/sim_errors.h"

namespace host::sim {

Variant SimExtender::Left() const {
  if (!left_) throw MemberNotSupported();
  return *left_;
}

Variant SimExtender::Top() const {
  if (!top_) throw MemberNotSupported();
  return *top_;
}

}  // namespace host::sim
