#pragma once
// A parent object read by name: a name, a parent (or the top of the chain, where reading
// Parent fails) and its controls. A member the test takes away throws.
#include <set>
#include <string>
#include <vector>

#include "sim/sim_errors.h"
#include "host/site/named_parent.h"

namespace host::sim {

class SimNamedParent : public NamedParent {
 public:
  // The top of a chain when `parent` is left out.
  explicit SimNamedParent(String name, std::vector<ContainedControlRef> controls = {})
      : name_(std::move(name)), controls_(std::move(controls)), isTop_(true) {}
  SimNamedParent(String name, NamedParentRef parent, std::vector<ContainedControlRef> controls = {})
      : name_(std::move(name)), parent_(std::move(parent)), controls_(std::move(controls)), isTop_(false) {}

  String Name() const override {
    Require("Name");
    return name_;
  }
  NamedParentRef Parent() const override {
    if (isTop_) throw MemberNotSupported();
    return parent_;
  }
  std::vector<ContainedControlRef> Controls() const override {
    Require("Controls");
    return controls_;
  }

  // The object no longer offers "Name" or "Controls".
  void RemoveMember(std::string member) { missing_.insert(std::move(member)); }

 private:
  void Require(const char* member) const {
    if (missing_.count(member)) throw MemberNotSupported();
  }

  String name_;
  NamedParentRef parent_;
  std::vector<ContainedControlRef> controls_;
  bool isTop_;
  std::set<std::string, std::less<>> missing_;
};

}  // namespace host::sim
