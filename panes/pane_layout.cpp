#include "panes/pane_layout.h"

#include <ostream>

namespace panes {

PaneLayout LayOutPanes(std::span<const int32_t> extents, int32_t barSize, int32_t origin) {
  PaneLayout layout{.spans = {}, .barSize = barSize};
  layout.spans.reserve(extents.size());
  int64_t position = origin;
  for (int32_t extent : extents) {
    layout.spans.push_back({.start = position, .extent = extent});
    position += int64_t{extent} + barSize;
  }
  return layout;
}

std::optional<size_t> PaneLayout::BarAt(double along) const {
  constexpr int kGrip = 2;
  for (size_t k = 0; k + 1 < spans.size(); ++k) {
    const int64_t barStart = spans[k].End();
    if (barStart - kGrip < along && along < barStart + barSize + kGrip) return k;
  }
  return std::nullopt;
}

std::ostream& operator<<(std::ostream& out, const PaneSpan& span) { return out << span.start << '+' << span.extent; }

std::ostream& operator<<(std::ostream& out, const PaneLayout& layout) {
  out << '{';
  for (size_t k = 0; k < layout.spans.size(); ++k) out << (k ? " | " : "") << layout.spans[k];
  return out << " bar " << layout.barSize << '}';
}

}  // namespace panes
