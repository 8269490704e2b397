#pragma once
// An extender whose Left and Top the test sets, or removes so that reading them fails.
#include <optional>

#include "host/site/extender.h"

namespace host::sim {

class SimExtender : public Extender {
 public:
  Variant Left() const override;
  Variant Top() const override;
  ParentRef Parent() const override { return parent_; }

  void SetLeft(Variant left) { left_ = std::move(left); }
  void SetTop(Variant top) { top_ = std::move(top); }
  void RemoveLeft() { left_.reset(); }
  void SetParent(ParentRef parent) { parent_ = std::move(parent); }

 private:
  std::optional<Variant> left_ = Variant(0.0f);
  std::optional<Variant> top_ = Variant(0.0f);
  ParentRef parent_;
};

}  // namespace host::sim
