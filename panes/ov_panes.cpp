#include "panes/ov_panes.h"

#include <algorithm>
#include <limits>

#include "host/error.h"
#include "host/keyed_list.h"

namespace panes {

using host::Error;
using host::Variant;
namespace err = host::err;

namespace {

int32_t CheckedLong(int64_t value) {
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<int32_t>::max())
    throw Error::Runtime(err::kOverflow);
  return static_cast<int32_t>(value);
}

}  // namespace

std::shared_ptr<OvPanes> OvPanes::Create(host::Screen screen) { return std::shared_ptr<OvPanes>(new OvPanes(screen)); }

void OvPanes::SetScreen(const host::Screen& screen) {
  // Drawn for 96 pixels per inch: the grab size (2 unless set), a minimum of 10.
  screen_ = screen;
  grip_ = screen.Scaled(grabSize_);
  line_ = screen.Scaled(1);
  defaultMinimum_ = screen.Scaled(10);
  InvalidatePositions();
}

void OvPanes::SetGrabSize(int32_t pixelsAt96) {
  grabSize_ = pixelsAt96;
  grip_ = screen_.Scaled(pixelsAt96);
  InvalidatePositions();
}

PanePtr OvPanes::Add(const Variant& index, const Variant& key, const Variant& appearance, const Variant& controlName) {
  auto pane = std::make_shared<OvPane>();
  pane->SetOwner(shared_from_this());
  pane->minimumPixels_ = defaultMinimum_;
  return AddItem(index, pane, [&](OvPane& added) {
    const bool hasIndex = !index.IsMissing();
    const int32_t position = hasIndex ? ResolveIndex(index) : 0;
    if (!key.IsMissing()) added.SetKey(key);
    if (!appearance.IsMissing()) added.SetAppearance(appearance.ToLong());
    if (!controlName.IsMissing()) added.SetControlName(controlName.ToString());
    if (initialMinimum_) {
      // One that the pane refuses stays unapplied: it fails later, where it is assigned.
      try {
        added.SetMinimum(*initialMinimum_);
      } catch (const Error&) {
      }
    }
    SizeNewPane(added, hasIndex, position);
    added.SetName(u"Pane " + host::DecimalText(Count() + 1LL));
  });
}

void OvPanes::SizeNewPane(OvPane& pane, bool hasIndex, int32_t position) {
  const Dimension along = axis_.Along();
  if (initialExtent_.value_or(0) != 0) {
    pane.SetExtentPixels(along, *initialExtent_);
  } else if (Items().empty()) {
    pane.SetExtentPixels(along, parent_[along]);
  } else {
    // The pane at the insertion point is split in two halves with a bar between them.
    PanePtr target = hasIndex ? PaneAt(position) : Items().back();
    int32_t half = host::NearestLong((static_cast<double>(target->ExtentPixels(along)) - splitterSize_) / 2);
    target->SetExtentPixels(along, half);
    pane.SetExtentPixels(along, target->extentPixels_[along]);
  }
  pane.SetExtentPixels(axis_.Across(), OvPane::kWholeExtent);
}

void OvPanes::Remove(const Variant& index) {
  PanePtr removed = TakeOut(index);
  Relayout(true);
  RaiseRemoved(removed);
}

void OvPanes::SetOrientation(int16_t orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  axis_ = Axis::Of(orientation);
  InvalidatePositions();
  bar_.SetAxis(axis_);
  EqualizePanes();
}

void OvPanes::SizeBar(int32_t across) { bar_.SetSize(axis_.Transpose(splitterSize_, across)); }

void OvPanes::SetSplitterSize(int32_t size) {
  splitterSize_ = size;
  InvalidatePositions();
  SizeBar(parent_[axis_.Across()]);
}

void OvPanes::SetBounds(int32_t width, int32_t height) {
  parent_ = {width, height};
  InvalidatePositions();
  SizeBar(CheckedLong(int64_t{parent_[axis_.Across()]} + 2 * borderOffset_));
  Relayout(false);
}

const PaneLayout& OvPanes::Layout() const {
  return LayoutWithin({static_cast<double>(parent_.x), static_cast<double>(parent_.y)});
}

std::vector<PaneInput> OvPanes::Inputs() const {
  std::vector<PaneInput> input;
  input.reserve(Items().size());
  for (const PanePtr& pane : Items())
    input.push_back({.extent = pane->ExtentPixels(axis_.Along()),
                     .minimum = pane->MinimumPixels(),
                     .maximum = pane->MaximumPixels(),
                     .fixed = pane->Fixed(),
                     .collapsed = pane->Collapsed()});
  return input;
}

const PaneLayout& OvPanes::LayoutWithin(XY<double> inner) const {
  if (layout_ && layoutInner_ == inner) return *layout_;
  const std::vector<PaneInput> input = Inputs();
  layoutInner_ = inner;
  layout_ = LayOutPanes({.panes = input,
                         .barSize = splitterSize_,
                         .border = borderOffset_,
                         .grip = grip_,
                         .innerAlong = axis_.Pick(inner),
                         .innerAcross = axis_.PickAcross(inner)});
  return *layout_;
}

int32_t OvPanes::PanePositionPixels(const OvPane& pane, Dimension d) const {
  if (d != axis_.Along()) return borderOffset_;
  size_t slot = static_cast<size_t>(pane.Index() - 1);
  if (slot >= Items().size() || Items()[slot].get() != &pane) return 0;  // not in the list
  return CheckedLong(Layout().spans[slot].start);
}

void OvPanes::Relayout(bool raise) {
  if (Items().empty()) return;
  const Dimension along = axis_.Along();
  if (resizeMode_ == OvResizeProportional) {
    if (requested_.empty())
      for (const PanePtr& pane : Items()) requested_.push_back(pane->ExtentPixels(along));
    std::vector<PaneInput> input = Inputs();
    for (size_t k = 0; k < input.size(); ++k) input[k].extent = requested_[k];
    const int64_t bars = int64_t{splitterSize_} * (Count() - 1);
    const std::vector<int32_t> shared = ShareExtents(input, int64_t{parent_[along]} - bars);
    // Straight into the panes: each share lies within its limits, and the extents asked
    // for stay the ones to share the next time.
    for (size_t k = 0; k < shared.size(); ++k) Items()[k]->extentPixels_[along] = shared[k];
    InvalidatePositions();
  }
  const PaneLayout& layout = Layout();
  if (layout.fill != PaneLayout::kNoPane) {
    CheckedLong(layout.spans[layout.fill].start);  // a pane beyond the Long range cannot be placed
    if (resizeMode_ == OvResizeLast) Items()[layout.fill]->SetExtentPixels(along, CheckedLong(layout.fittedExtent));
  }
  if (raise && Items().size() > 1) {
    PanePtr before = Items()[Items().size() - 2];
    PanePtr after = Items().back();
    Listeners().Raise([&](PanesListener& l) { l.SplitterResized(before, after); });
  }
}

void OvPanes::SetResizeMode(int32_t mode) {
  resizeMode_ = mode;
  requested_.clear();
}

void OvPanes::SetCollapsed(OvPane& pane, bool collapsed, bool giveRoom, bool forward) {
  if (pane.collapsed_ == collapsed) return;
  const Dimension along = axis_.Along();
  OvPane* neighbour = nullptr;
  if (giveRoom) {
    const size_t slot = static_cast<size_t>(pane.Index() - 1);
    auto nearest = [&](bool after) -> OvPane* {
      for (size_t k = slot; after ? k + 1 < Items().size() : k > 0;) {
        k = after ? k + 1 : k - 1;
        if (!Items()[k]->collapsed_) return Items()[k].get();
      }
      return nullptr;
    };
    neighbour = nearest(forward);
    if (!neighbour) neighbour = nearest(!forward);
  }
  pane.collapsed_ = collapsed;
  ExtentsChanged();
  if (!neighbour) return;
  const int32_t extent = pane.ExtentPixels(along), room = neighbour->ExtentPixels(along);
  if (collapsed) {
    neighbour->extentPixels_[along] = CheckedLong(int64_t{room} + extent);
  } else {
    // Back at its extent as far as the neighbour can give it, never below its minimum.
    const int32_t back = std::max(pane.MinimumPixels(), std::min(extent, room - neighbour->MinimumPixels()));
    pane.extentPixels_[along] = back;
    neighbour->extentPixels_[along] = std::max(neighbour->MinimumPixels(), room - back);
  }
  Relayout(false);
}

PanePtr OvPanes::CollapseTarget(size_t bar) const {
  if (bar + 1 >= Items().size()) return nullptr;
  if (Items()[bar]->Collapsible()) return Items()[bar];
  if (Items()[bar + 1]->Collapsible()) return Items()[bar + 1];
  return nullptr;
}

bool OvPanes::ToggleCollapse(size_t bar) {
  PanePtr target = CollapseTarget(bar);
  if (!target) return false;
  // The room goes across the bar: the pane before it gives to the one after, and back.
  SetCollapsed(*target, !target->Collapsed(), true, target == Items()[bar]);
  target->Notify(u"Collapsed");
  return true;
}

std::pair<PanePtr, PanePtr> OvPanes::ExchangePartners(const OvPane& pane) const {
  const int32_t index = pane.Index();
  if (index == Count()) return {PaneAt(index - 1), PaneAt(index)};
  return {PaneAt(index), PaneAt(index + 1)};
}

void OvPanes::ExchangeExtent(OvPane& pane, int32_t extent) {
  const Dimension along = axis_.Along();
  const int32_t previous = pane.extentPixels_[along];
  if (pane.collapsed_) {  // the extent it comes back at; it takes no room until then
    pane.extentPixels_[along] = extent;
    ExtentsChanged();
    return;
  }
  auto [first, second] = ExchangePartners(pane);
  OvPane& neighbour = first.get() == &pane ? *second : *first;
  // The neighbour gives no more than its maximum lets it take.
  const int32_t neighbourMaximum = neighbour.MaximumPixels();
  if (neighbourMaximum != 0 && int64_t{neighbour.ExtentPixels(along)} + previous - extent > neighbourMaximum)
    extent = CheckedLong(int64_t{neighbour.ExtentPixels(along)} + previous - neighbourMaximum);
  pane.extentPixels_[along] = extent;
  ExtentsChanged();
  // What the pane gained its neighbour loses, and the reverse.
  neighbour.SetExtentPixels(along, CheckedLong(int64_t{neighbour.ExtentPixels(along)} + previous - extent));
}

void OvPanes::EqualizePanes() {
  int64_t n = Count();
  if (n == 0) return;
  const Dimension along = axis_.Along();
  int64_t bars = (n - 1) * splitterSize_;
  int32_t share = host::NearestLong(static_cast<double>(parent_[along] - bars) / n);
  // Iterate over a copy: a pane's failing setter stops the loop but not the list.
  std::vector<PanePtr> list = Items();
  for (const PanePtr& pane : list)
    for (Dimension d : {Dimension::X, Dimension::Y}) pane->SetExtentPixels(d, d == along ? share : parent_[d]);
}

PanePtr OvPanes::AddSized(int32_t extentPixels, std::optional<int32_t> minimumUnits) {
  struct Reset {
    OvPanes& panes;
    ~Reset() {
      panes.initialExtent_.reset();
      panes.initialMinimum_.reset();
    }
  } reset{*this};
  initialExtent_ = extentPixels;
  initialMinimum_ = minimumUnits;
  return Add();
}

void OvPanes::AddFirstPane() {
  PanePtr pane = AddSized(parent_[axis_.Along()]);
  PanePtr none;
  Listeners().Raise([&](PanesListener& l) { l.SplitterResized(pane, none); });
}

PanePtr OvPanes::PaneAtPoint(float x, float y) const {
  std::optional<size_t> before = Layout().BarAt(axis_.Pick(XY<double>{x, y}));
  return before ? Items()[*before] : nullptr;
}

void OvPanes::SplitterMouseDown(PanePtr& pane, float x, float y) {
  if (!pane) return;
  Item(Variant(pane->Index() + 1));  // "Index out of bounds." for the last pane, which has no bar
  const DragRange range = Layout().DragRangeAfter(static_cast<size_t>(pane->Index() - 1));
  bar_.SetRange(CheckedLong(range.start), CheckedLong(range.length));
  bar_.MouseDown(0, 0, x, y);
  if (bar_.Live()) {
    const Dimension along = axis_.Along();
    livePane_ = pane;
    liveNext_ = Item(Variant(pane->Index() + 1));
    livePaneExtent_ = livePane_->ExtentPixels(along);
    liveNextExtent_ = liveNext_->ExtentPixels(along);
    livePaneCollapsed_ = livePane_->Collapsed();
    liveNextCollapsed_ = liveNext_->Collapsed();
  }
}

void OvPanes::SplitterMouseMove(PanePtr& pane, float x, float y) {
  if (!pane) return;
  bar_.MouseMove(0, 0, x, y);
  if (!livePane_ || !bar_.Dragging()) return;
  // Each frame from the press's extents, so that the release gives what it would without
  // the frames before it.
  PutBackPressExtents();
  PlaceBarAt(*livePane_, bar_.Value());
  Listeners().Raise([](PanesListener& l) { l.BarFollowed(); });
}

void OvPanes::BeginBarMove(PanePtr& pane) {
  const XY<double> at = axis_.Transpose(static_cast<double>(BarMovePosition(*pane)), 0.0);
  SplitterMouseDown(pane, static_cast<float>(at.x), static_cast<float>(at.y));
}

void OvPanes::MoveBarTo(PanePtr& pane, int64_t along) {
  const DragRange range = Layout().DragRangeAfter(static_cast<size_t>(pane->Index() - 1));
  // The feedback keeps itself inside the range; this only keeps far targets in a Long.
  along = std::max(range.start, std::min(along, range.start + range.length - splitterSize_));
  const XY<double> at = axis_.Transpose(static_cast<double>(along), 0.0);
  SplitterMouseMove(pane, static_cast<float>(at.x), static_cast<float>(at.y));
}

int64_t OvPanes::BarMovePosition(const OvPane& pane) const {
  if (bar_.Dragging() && bar_.Value() != -1) return bar_.Value();
  return Layout().BarStart(static_cast<size_t>(pane.Index() - 1));
}

void OvPanes::SplitterMouseUp(PanePtr& pane) {
  if (bar_.MouseUp()) {
    const int32_t value = bar_.Value();
    RestorePressExtents();
    if (value == -1) return;  // pressed and released without a move
    ReleaseBarAt(*pane, value);
  }
  PanePtr before = pane;
  PanePtr after = Item(Variant(pane->Index() + 1));
  Listeners().Raise([&](PanesListener& l) { l.SplitterResized(before, after); });
}

void OvPanes::PlaceBarAt(OvPane& pane, int32_t value) {
  const Dimension along = axis_.Along();
  PanePtr next = Item(Variant(pane.Index() + 1));
  const int32_t wanted = value - PanePositionPixels(pane, along);
  // A collapsed pane counts as taking no room.
  const int32_t extent = pane.collapsed_ ? 0 : pane.ExtentPixels(along);
  const int32_t nextExtent = next->collapsed_ ? 0 : next->ExtentPixels(along);
  const int32_t minimum = pane.MinimumPixels(), nextMinimum = next->MinimumPixels();
  if (pane.collapsible_ && 2 * int64_t{wanted} < minimum) {
    SetCollapsed(pane, true, true, true);
    return;
  }
  if (next->collapsible_ && 2 * (int64_t{extent} + nextExtent - wanted) < nextMinimum) {
    SetCollapsed(*next, true, true, false);
    return;
  }
  // The next pane is always set first. Outside the first rule the pair keeps its total, so
  // no other pane moves.
  auto resize = [&](int64_t nextNew, int64_t paneNew) {
    next->SetExtentPixels(along, CheckedLong(nextNew));
    pane.SetExtentPixels(along, CheckedLong(paneNew));
  };
  // Dragged out, a collapsed pane comes back where the bar lets it, at least at its minimum,
  // taken from the other pane as far as that one's minimum allows.
  if (pane.collapsed_ || next->collapsed_) {
    const bool before = pane.collapsed_;
    pane.collapsed_ = next->collapsed_ = false;
    const int64_t total = int64_t{extent} + nextExtent;
    const int64_t asked = before ? wanted : total - wanted;
    const int64_t otherMinimum = before ? nextMinimum : minimum;
    const int64_t back = std::max<int64_t>(before ? minimum : nextMinimum, std::min(asked, total - otherMinimum));
    const int64_t other = std::max(otherMinimum, total - back);
    before ? resize(other, back) : resize(back, other);
    return;
  }
  if (wanted <= minimum) {
    resize(int64_t{extent} + nextExtent - minimum, minimum);
  } else if (wanted < extent) {
    resize(int64_t{nextExtent} + (extent - wanted), wanted);
  } else if (value > parent_[along] && nextMinimum == 0) {
    resize(int64_t{splitterSize_} + 1, int64_t{wanted} - (splitterSize_ + 1));
  } else if (wanted == extent) {
    // the bar is where it was
  } else if (int64_t{nextExtent} - (wanted - extent) < nextMinimum) {
    if (nextExtent != nextMinimum) resize(nextMinimum, int64_t{extent} + nextExtent - nextMinimum);
  } else {
    resize(int64_t{nextExtent} - (wanted - extent), wanted);
  }
}

void OvPanes::ReleaseBarAt(OvPane& pane, int32_t value) {
  PanePtr next = Item(Variant(pane.Index() + 1));
  const bool paneWas = pane.collapsed_, nextWas = next->collapsed_;
  PlaceBarAt(pane, value);
  if (pane.collapsed_ != paneWas) pane.Notify(u"Collapsed");
  if (next->collapsed_ != nextWas) next->Notify(u"Collapsed");
}

void OvPanes::PutBackPressExtents() {
  const Dimension along = axis_.Along();
  // Straight into the pair: the press's extents met every rule when they were set.
  livePane_->extentPixels_[along] = livePaneExtent_;
  liveNext_->extentPixels_[along] = liveNextExtent_;
  livePane_->collapsed_ = livePaneCollapsed_;
  liveNext_->collapsed_ = liveNextCollapsed_;
  ExtentsChanged();
}

void OvPanes::RestorePressExtents() {
  if (!livePane_) return;
  PutBackPressExtents();
  livePane_.reset();
  liveNext_.reset();
}

bool OvPanes::CancelSplitterDrag() {
  const bool live = livePane_ != nullptr;
  if (!bar_.Cancel()) return false;
  RestorePressExtents();
  if (live) Listeners().Raise([](PanesListener& l) { l.BarFollowed(); });
  return true;
}

}  // namespace panes
