#pragma once
// Keeps the accessibility notifications as lines, "ValueChange 1", "Reorder", "Focus 0",
// in a log of their own so that the shared trace of other tests stays as it was.
#include <string>
#include <vector>

#include "host/site/accessibility_events.h"

namespace host::sim {

class SimAccessibilityEvents : public AccessibilityEvents {
 public:
  void BarValueChanged(size_t bar) override;
  void ChildrenReordered() override;
  void BarFocused(size_t bar) override;

  const std::vector<std::string>& Lines() const { return lines_; }
  void Clear() { lines_.clear(); }

 private:
  std::vector<std::string> lines_;
};

}  // namespace host::sim
