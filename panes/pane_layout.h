#pragma once
// Where the panes and bars lie: a pure function of the panes' extents, minimums, maximums
// and collapsed states along the axis, the bar size, the border and the inner size.
// Positions, the bar hit test, the drag range, painting and the placement of bound controls
// all read its spans. The resize policies are the other pure function here: the extents
// that a new inner size gives the panes.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <span>
#include <vector>

namespace panes {

// One pane as the layout reads it, in pixels along the axis.
struct PaneInput {
  // As the pane holds it; a collapsed pane keeps the extent it had and takes no room.
  int32_t extent = 0;
  int32_t minimum = 0;
  // 0: none.
  int32_t maximum = 0;
  // Keeps its extent when the proportional policy shares a change of the inner size.
  bool fixed = false;
  bool collapsed = false;
};

struct PaneSpan {
  int64_t start = 0;
  // Along the axis, as the layout gives it: 0 for a collapsed pane.
  int64_t extent = 0;
  // Along the axis on screen: the filling pane reaches the inner edge whatever its extent.
  int64_t shown = 0;
  int32_t maximum = 0;
  bool collapsed = false;
  // Where the bar after this pane begins, unless the pane fills up to collapsed ones.
  int64_t End() const { return start + extent; }
  bool operator==(const PaneSpan&) const = default;
};

// Pane k starts at border + (e1 + bar) + ... + (e(k-1) + bar), a collapsed pane's e being 0.
struct LayoutInput {
  std::span<const PaneInput> panes;
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
  static constexpr size_t kNoPane = static_cast<size_t>(-1);

  std::vector<PaneSpan> spans;
  int32_t barSize = 0;
  int32_t grip = 2;
  // Every pane spans the inner extent across.
  int64_t across = 0;
  // The pane that reaches the inner edge: the last one not collapsed (kNoPane: none). The
  // collapsed panes after it lie at the edge with their bars.
  size_t fill = kNoPane;
  // The extent that brings the filling pane to the inner edge, never below its minimum.
  int64_t fittedExtent = 0;
  bool operator==(const PaneLayout&) const = default;

  // Where the bar after pane k begins.
  int64_t BarStart(size_t k) const { return spans.at(k + 1).start - barSize; }
  // The pane (0-based) before the bar whose grip holds the coordinate: the bar itself
  // and `grip` pixels into each neighbour, both ends excluded. The last pane has no bar.
  std::optional<size_t> BarAt(double along) const;
  // Where the bar after pane k may travel during a drag: from the outer edge of pane k to
  // the outer edge of pane k + 1, the bar included, narrowed so that neither pane passes its
  // maximum.
  DragRange DragRangeAfter(size_t k) const;
};

PaneLayout LayOutPanes(const LayoutInput& input);

// The proportional policy: the extents that share `available` pixels (the inner extent less
// the bars) among the panes. The panes that are neither fixed nor collapsed share it in
// proportion to the extents they hold, each between its minimum and maximum; fixed panes
// keep theirs and give way, down to their minimums, only when the others are all at theirs.
// Room that no pane can take goes to the last pane not collapsed; what even the minimums
// cannot fit is left to be clipped. Collapsed panes keep their extents.
std::vector<int32_t> ShareExtents(std::span<const PaneInput> panes, int64_t available);

std::ostream& operator<<(std::ostream& out, const PaneSpan& span);
std::ostream& operator<<(std::ostream& out, const PaneLayout& layout);

}  // namespace panes
