#include "splitter/bar_value_watch.h"

namespace splitter {

std::vector<BarValueWatch::Mark> BarValueWatch::Marks(const AccessibleTree& tree) {
  std::vector<Mark> marks(tree.BarCount());
  for (size_t bar = 0; bar < marks.size(); ++bar)
    marks[bar] = {.start = tree.BarStart(bar), .value = tree.BarValue(bar)};
  return marks;
}

void BarValueWatch::Report(const AccessibleTree& tree, host::AccessibilityEvents& events) {
  std::vector<Mark> now = Marks(tree);
  if (now.size() == marks_.size())
    for (size_t bar = 0; bar < now.size(); ++bar)
      if (now[bar] != marks_[bar]) events.BarValueChanged(bar);
  marks_ = std::move(now);
}

}  // namespace splitter
