#pragma once
// The bars as assistive tools last heard of them, so that one change of the panes notifies
// each bar that moved or changed its value once, and the others not at all.
#include <cstdint>
#include <vector>

#include "host/site/accessibility_events.h"
#include "splitter/accessible_tree.h"

namespace splitter {

class BarValueWatch {
 public:
  // Another number of bars is taken in silently: adding or removing panes reorders the
  // children instead.
  void Report(const AccessibleTree& tree, host::AccessibilityEvents& events);
  void Rebase(const AccessibleTree& tree) { marks_ = Marks(tree); }

 private:
  struct Mark {
    int64_t start = 0;
    int32_t value = 0;
    bool operator==(const Mark&) const = default;
  };
  static std::vector<Mark> Marks(const AccessibleTree& tree);

  std::vector<Mark> marks_;
};

}  // namespace splitter
