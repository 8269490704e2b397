#include "sim/sim_parent_object.h"

#include <memory>
#include <vector>

#include "sim/sim_errors.h"

namespace host::sim {

ParentRef SimParentObject::Chain(std::initializer_list<WindowHandle> handles) {
  std::vector<WindowHandle> inner(handles);
  ParentRef chain;
  for (auto it = inner.rbegin(); it != inner.rend(); ++it)
    chain = chain ? std::make_shared<SimParentObject>(*it, chain) : std::make_shared<SimParentObject>(*it);
  return chain;
}

WindowHandle SimParentObject::Hwnd() const {
  if (!hwnd_) throw MemberNotSupported();
  return *hwnd_;
}

ParentRef SimParentObject::Parent() const {
  if (isTop_) throw MemberNotSupported();
  return parent_;
}

}  // namespace host::sim
