#pragma once
// Where the panes and bars lie along the axis: a pure function of the pane extents, the bar
// size and the origin, computed once per change and read by positions, the bar hit test
// and painting alike.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <vector>

namespace panes {

struct PaneSpan {
  int64_t start = 0;
  int64_t extent = 0;
  // Where the bar after this pane begins.
  int64_t End() const { return start + extent; }
  bool operator==(const PaneSpan&) const = default;
};

struct PaneLayout {
  std::vector<PaneSpan> spans;
  int32_t barSize = 0;
  bool operator==(const PaneLayout&) const = default;

  // The pane (0-based) before the bar whose grip holds the coordinate: the bar itself
  // and 2 pixels into each neighbour, both ends excluded. The last pane has no bar.
  std::optional<size_t> BarAt(double along) const;
};

// Pane k starts at origin + (e1 + bar) + ... + (e(k-1) + bar).
PaneLayout LayOutPanes(std::span<const int32_t> extents, int32_t barSize, int32_t origin);

std::ostream& operator<<(std::ostream& out, const PaneSpan& span);
std::ostream& operator<<(std::ostream& out, const PaneLayout& layout);

}  // namespace panes
