#include "panes/pane_layout.h"

#include <algorithm>
#include <ostream>

#include "host/variant.h"

namespace panes {

namespace {
int64_t RoundedHalfEven(double value) { return static_cast<int64_t>(host::RoundHalfEven(value)); }
}  // namespace

PaneLayout LayOutPanes(const LayoutInput& input) {
  PaneLayout layout{
      .spans = {}, .barSize = input.barSize, .grip = input.grip, .across = RoundedHalfEven(input.innerAcross)};
  layout.spans.reserve(input.extents.size());
  int64_t position = input.border;
  for (int32_t extent : input.extents) {
    layout.spans.push_back({.start = position, .extent = extent, .shown = extent});
    position += int64_t{extent} + input.barSize;
  }
  if (!layout.spans.empty()) {
    PaneSpan& last = layout.spans.back();
    const double innerEnd = input.border + input.innerAlong;
    last.shown = RoundedHalfEven(innerEnd - static_cast<double>(last.start));
    layout.fittedLastExtent = std::max<int64_t>(last.shown, input.minimums.back());
  }
  return layout;
}

std::optional<size_t> PaneLayout::BarAt(double along) const {
  for (size_t k = 0; k + 1 < spans.size(); ++k) {
    const int64_t barStart = spans[k].End();
    if (barStart - grip < along && along < barStart + barSize + grip) return k;
  }
  return std::nullopt;
}

DragRange PaneLayout::DragRangeAfter(size_t k) const {
  return {.start = spans[k].start, .length = spans[k + 1].End() - spans[k].start};
}

std::ostream& operator<<(std::ostream& out, const PaneSpan& span) {
  return out << span.start << '+' << span.extent << '(' << span.shown << ')';
}

std::ostream& operator<<(std::ostream& out, const PaneLayout& layout) {
  out << '{';
  for (size_t k = 0; k < layout.spans.size(); ++k) out << (k ? " | " : "") << layout.spans[k];
  return out << " bar " << layout.barSize << " across " << layout.across << '}';
}

}  // namespace panes
