#pragma once
// Where the panes and bars lie: a pure function of the panes' extents and minimums along
// the axis, the bar size, the border and the inner size. Positions, the bar hit test, the
// drag range, painting and the placement of bound controls all read its spans.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <vector>

namespace panes {

struct PaneSpan {
  int64_t start = 0;
  // Along the axis, as the pane holds it.
  int64_t extent = 0;
  // Along the axis on screen: the last pane reaches the inner edge whatever its extent.
  int64_t shown = 0;
  // Where the bar after this pane begins.
  int64_t End() const { return start + extent; }
  bool operator==(const PaneSpan&) const = default;
};

// Pane k starts at border + (e1 + bar) + ... + (e(k-1) + bar).
struct LayoutInput {
  std::span<const int32_t> extents;
  std::span<const int32_t> minimums;
  int32_t barSize = 0;
  int32_t border = 0;
  // Pixels beyond each side of a bar that still grip it.
  int32_t grip = 2;
  // Inside the border, along and across; fractions are rounded half to even where a pane
  // meets the inner edge.
  double innerAlong = 0;
  double innerAcross = 0;
};

struct DragRange {
  int64_t start = 0;
  int64_t length = 0;
};

struct PaneLayout {
  std::vector<PaneSpan> spans;
  int32_t barSize = 0;
  int32_t grip = 2;
  // Every pane spans the inner extent across.
  int64_t across = 0;
  // The extent that brings the last pane to the inner edge, never below its minimum.
  int64_t fittedLastExtent = 0;
  bool operator==(const PaneLayout&) const = default;

  // The pane (0-based) before the bar whose grip holds the coordinate: the bar itself
  // and `grip` pixels into each neighbour, both ends excluded. The last pane has no bar.
  std::optional<size_t> BarAt(double along) const;
  // Where the bar after pane k may travel during a drag: from the outer edge of pane k to
  // the outer edge of pane k + 1, the bar included.
  DragRange DragRangeAfter(size_t k) const;
};

PaneLayout LayOutPanes(const LayoutInput& input);

std::ostream& operator<<(std::ostream& out, const PaneSpan& span);
std::ostream& operator<<(std::ostream& out, const PaneLayout& layout);

}  // namespace panes
