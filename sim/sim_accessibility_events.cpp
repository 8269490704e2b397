#include "sim/sim_accessibility_events.h"

namespace host::sim {

void SimAccessibilityEvents::BarValueChanged(size_t bar) { lines_.push_back("ValueChange " + std::to_string(bar)); }

void SimAccessibilityEvents::ChildrenReordered() { lines_.emplace_back("Reorder"); }

void SimAccessibilityEvents::BarFocused(size_t bar) { lines_.push_back("Focus " + std::to_string(bar)); }

}  // namespace host::sim
