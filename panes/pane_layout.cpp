#include "panes/pane_layout.h"

#include <algorithm>
#include <cmath>
#include <ostream>

#include "host/variant.h"

namespace panes {

namespace {

int64_t RoundedHalfEven(double value) { return static_cast<int64_t>(host::RoundHalfEven(value)); }

// Shares `target` among the given panes in proportion to their extents, each between its
// minimum and maximum; at or below the sum of their minimums each takes its minimum. The
// shares are whole pixels that add up to what the panes not held at a limit share.
void ShareAmong(std::span<const PaneInput> panes, const std::vector<size_t>& among, int64_t target,
                std::vector<int32_t>& result) {
  if (among.empty()) return;
  int64_t minimums = 0;
  for (size_t k : among) minimums += panes[k].minimum;
  if (target <= minimums) {
    for (size_t k : among) result[k] = panes[k].minimum;
    return;
  }
  std::vector<size_t> free = among;
  std::vector<double> weights(panes.size());
  for (size_t k : free) weights[k] = std::max(panes[k].extent, 0);
  int64_t held = 0;  // by the panes at a limit
  double scale = 0;
  for (;;) {
    double total = 0;
    for (size_t k : free) total += weights[k];
    if (total == 0) {  // none holds any extent: they share alike
      for (size_t k : free) weights[k] = 1;
      total = static_cast<double>(free.size());
    }
    scale = static_cast<double>(target - held) / total;
    // Panes below their minimums are held there first; only then those above their maximums.
    auto holdAt = [&](bool lower) {
      return std::erase_if(free, [&](size_t k) {
               const int32_t limit = lower ? panes[k].minimum : panes[k].maximum;
               const double share = weights[k] * scale;
               if (lower ? share >= limit : limit == 0 || share <= limit) return false;
               result[k] = limit;
               held += limit;
               return true;
             }) > 0;
    };
    if (free.empty() || (!holdAt(true) && !holdAt(false))) break;
  }
  if (free.empty()) return;
  // Whole pixels: each share rounded down, the pixels left over to the largest fractions.
  int64_t left = target - held;
  std::vector<std::pair<double, size_t>> fractions;
  for (size_t k : free) {
    const double share = weights[k] * scale;
    result[k] = static_cast<int32_t>(std::floor(share));
    left -= result[k];
    fractions.emplace_back(share - std::floor(share), k);
  }
  std::stable_sort(fractions.begin(), fractions.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
  for (size_t i = 0; left > 0 && i < fractions.size(); ++i, --left) ++result[fractions[i].second];
}

}  // namespace

PaneLayout LayOutPanes(const LayoutInput& input) {
  PaneLayout layout{
      .spans = {}, .barSize = input.barSize, .grip = input.grip, .across = RoundedHalfEven(input.innerAcross)};
  const size_t count = input.panes.size();
  layout.spans.reserve(count);
  for (size_t k = count; k-- > 0;) {
    if (!input.panes[k].collapsed) {
      layout.fill = k;
      break;
    }
  }
  int64_t position = input.border;
  for (const PaneInput& pane : input.panes) {
    const int64_t extent = pane.collapsed ? 0 : pane.extent;
    layout.spans.push_back(
        {.start = position, .extent = extent, .shown = extent, .maximum = pane.maximum, .collapsed = pane.collapsed});
    position += extent + input.barSize;
  }
  if (layout.fill == PaneLayout::kNoPane) return layout;
  // The collapsed panes after the filling one keep their bars at the inner edge.
  const size_t trailing = count - 1 - layout.fill;
  PaneSpan& fill = layout.spans[layout.fill];
  const double fillEnd = input.border + input.innerAlong - static_cast<double>(trailing) * input.barSize;
  fill.shown = RoundedHalfEven(fillEnd - static_cast<double>(fill.start));
  layout.fittedExtent = std::max<int64_t>(fill.shown, input.panes[layout.fill].minimum);
  position = fill.start + fill.shown + input.barSize;
  for (size_t k = layout.fill + 1; k < count; ++k, position += input.barSize) layout.spans[k].start = position;
  return layout;
}

std::vector<int32_t> ShareExtents(std::span<const PaneInput> panes, int64_t available) {
  std::vector<int32_t> result(panes.size());
  std::vector<size_t> flexible, fixed;
  size_t last = PaneLayout::kNoPane;
  int64_t fixedTotal = 0, flexibleMinimums = 0;
  for (size_t k = 0; k < panes.size(); ++k) {
    result[k] = panes[k].extent;
    if (panes[k].collapsed) continue;
    last = k;
    if (panes[k].fixed) {
      fixed.push_back(k);
      fixedTotal += panes[k].extent;
    } else {
      flexible.push_back(k);
      flexibleMinimums += panes[k].minimum;
    }
  }
  if (last == PaneLayout::kNoPane) return result;
  if (available - fixedTotal >= flexibleMinimums) {
    ShareAmong(panes, flexible, available - fixedTotal, result);
  } else {
    for (size_t k : flexible) result[k] = panes[k].minimum;
    ShareAmong(panes, fixed, available - flexibleMinimums, result);
  }
  int64_t taken = 0;
  for (size_t k : flexible) taken += result[k];
  for (size_t k : fixed) taken += result[k];
  if (taken < available) result[last] += static_cast<int32_t>(available - taken);
  return result;
}

std::optional<size_t> PaneLayout::BarAt(double along) const {
  for (size_t k = 0; k + 1 < spans.size(); ++k) {
    const int64_t barStart = BarStart(k);
    if (barStart - grip < along && along < barStart + barSize + grip) return k;
  }
  return std::nullopt;
}

DragRange PaneLayout::DragRangeAfter(size_t k) const {
  const PaneSpan &pane = spans[k], &next = spans[k + 1];
  int64_t start = pane.start, end = next.End();
  if (next.maximum != 0) start = std::max(start, end - barSize - next.maximum);
  if (pane.maximum != 0) end = std::min(end, pane.start + pane.maximum + barSize);
  return {.start = start, .length = std::max<int64_t>(end - start, barSize)};
}

std::ostream& operator<<(std::ostream& out, const PaneSpan& span) {
  out << span.start << '+' << span.extent << '(' << span.shown << ')';
  if (span.maximum != 0) out << "<=" << span.maximum;
  return out << (span.collapsed ? " collapsed" : "");
}

std::ostream& operator<<(std::ostream& out, const PaneLayout& layout) {
  out << '{';
  for (size_t k = 0; k < layout.spans.size(); ++k) out << (k ? " | " : "") << layout.spans[k];
  return out << " bar " << layout.barSize << " across " << layout.across << '}';
}

}  // namespace panes
