#include "splitter/accessible_tree.h"

#include <algorithm>

#include "host/variant.h"

namespace splitter {

int32_t AccessibleTree::ChildCount() const {
  const int32_t panes = panes_ ? panes_->Count() : 0;
  return panes == 0 ? 0 : 2 * panes - 1;
}

size_t AccessibleTree::BarCount() const { return panes_ && panes_->Count() > 0 ? panes_->Items().size() - 1 : 0; }

host::String AccessibleTree::Name(int32_t child) const { return panes_->Items()[SlotOf(child)]->Name(); }

std::optional<int32_t> AccessibleTree::Value(int32_t child) const {
  if (!IsBar(child)) return std::nullopt;
  return BarValue(SlotOf(child));
}

int64_t AccessibleTree::BarStart(size_t bar) const { return panes_->Layout().BarStart(bar); }

int32_t AccessibleTree::BarValue(size_t bar) const {
  const panes::PaneLayout& layout = panes_->Layout();
  const panes::DragRange range = layout.DragRangeAfter(bar);
  // The bar's last position leaves its own size inside the range.
  const int64_t travel = range.length - layout.barSize;
  if (travel <= 0) return 0;
  const double percent = 100.0 * static_cast<double>(BarStart(bar) - range.start) / static_cast<double>(travel);
  return static_cast<int32_t>(std::clamp(host::RoundHalfEven(percent), 0.0, 100.0));
}

AccessibleRect AccessibleTree::Across(int64_t along, int64_t extent) const {
  const panes::Axis& axis = panes_->GetAxis();
  const panes::XY<int64_t> origin = axis.Transpose<int64_t>(along, panes_->GetBorderOffset());
  const panes::XY<int64_t> size = axis.Transpose<int64_t>(extent, panes_->Layout().across);
  return {.left = origin.x, .top = origin.y, .width = size.x, .height = size.y};
}

AccessibleRect AccessibleTree::Location(int32_t child) const {
  const panes::PaneLayout& layout = panes_->Layout();
  const panes::PaneSpan& span = layout.spans[SlotOf(child)];
  return IsBar(child) ? Across(layout.BarStart(SlotOf(child)), layout.barSize) : Across(span.start, span.shown);
}

AccessibleStates AccessibleTree::States(int32_t child) const {
  if (!IsBar(child)) return {.collapsed = panes_->Layout().spans[SlotOf(child)].collapsed};
  return {.focusable = keyboard_.keyboardOn, .focused = keyboard_.keyboardOn && keyboard_.focusedBar == SlotOf(child)};
}

std::optional<int32_t> AccessibleTree::Focus() const {
  if (!keyboard_.keyboardOn || !keyboard_.focusedBar || *keyboard_.focusedBar >= BarCount()) return std::nullopt;
  return BarChild(*keyboard_.focusedBar);
}

int32_t AccessibleTree::ChildAt(double x, double y) const {
  for (int32_t child = 1; child <= ChildCount(); ++child)
    if (Location(child).Contains(x, y)) return child;
  return kSelf;
}

}  // namespace splitter
