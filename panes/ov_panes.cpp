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

template <typename Raise>
void OvPanes::RaiseToListeners(Raise raise) {
  // A handler may add or remove listeners; each one still registered is told once.
  std::vector<PanesListener*> snapshot = listeners_;
  for (PanesListener* listener : snapshot)
    if (std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end()) raise(*listener);
}

void OvPanes::AddListener(PanesListener* listener) { listeners_.push_back(listener); }

void OvPanes::RemoveListener(PanesListener* listener) {
  listeners_.erase(std::remove(listeners_.begin(), listeners_.end(), listener), listeners_.end());
}

void OvPanes::Detach() {
  detached_ = true;
  listeners_.clear();
  std::vector<PanePtr> released;
  released.swap(panes_);
  InvalidatePositions();
}

PanePtr OvPanes::PaneAt(int32_t position) const {
  if (position < 1 || position > Count()) throw Error::Bare(err::kIndexOutOfBounds, u"Index out of bounds.");
  return panes_[static_cast<size_t>(position - 1)];
}

int32_t OvPanes::ResolveIndex(const Variant& index) const {
  if (index.IsNumeric()) return index.ToLong();
  return IndexFromKey(index);
}

int32_t OvPanes::IndexFromKey(const Variant& key) const {
  for (const PanePtr& pane : panes_)
    if (host::VariantEquals(pane->Key(), key)) return pane->Index();
  return 0;
}

bool OvPanes::KeyExists(const Variant& key) const {
  if (key.IsNull() || key.IsMissing() || key.IsNothing()) return false;
  host::String wanted = host::Trim(key.ToString());
  if (wanted.empty()) return false;
  // Folded once here and once per key when it was set, so that the test stays cheap.
  wanted = host::FoldedCase(wanted);
  for (const PanePtr& pane : panes_)
    if (pane->FoldedKey() == wanted) return true;
  return false;
}

void OvPanes::Reindex() {
  InvalidatePositions();
  for (size_t i = 0; i < panes_.size(); ++i) panes_[i]->SetIndex(static_cast<int32_t>(i + 1));
}

PanePtr OvPanes::Item(const Variant& index) const { return PaneAt(ResolveIndex(index)); }

PanePtr OvPanes::Add(const Variant& index, const Variant& key, const Variant& appearance, const Variant& controlName) {
  auto pane = std::make_shared<OvPane>();
  pane->SetOwner(shared_from_this());
  {
    host::FlagScope adding(isAdding_);
    bool hasIndex = !index.IsMissing();
    int32_t position = hasIndex ? ResolveIndex(index) : 0;
    if (!key.IsMissing()) pane->SetKey(key);
    if (!appearance.IsMissing()) pane->SetAppearance(appearance.ToLong());
    if (!controlName.IsMissing()) pane->SetControlName(controlName.ToString());
    if (initialMinimum_) {
      // One that the pane refuses stays unapplied: it fails later, where it is assigned.
      try {
        pane->SetMinimum(*initialMinimum_);
      } catch (const Error&) {
      }
    }
    SizeNewPane(*pane, hasIndex, position);
    pane->SetName(u"Pane " + host::DecimalText(Count() + 1LL));
    if (!hasIndex) {
      panes_.push_back(pane);
      pane->SetIndex(Count());
      InvalidatePositions();
    } else {
      if (position < 1 || position > Count()) throw Error::Runtime(err::kInvalidArgument);
      panes_.insert(panes_.begin() + position, pane);
      Reindex();
    }
  }
  PanePtr added = pane;
  RaiseToListeners([&](PanesListener& l) { l.PaneAdded(added); });
  return pane;
}

void OvPanes::SizeNewPane(OvPane& pane, bool hasIndex, int32_t position) {
  const Dimension along = axis_.Along();
  if (initialExtent_.value_or(0) != 0) {
    pane.SetExtentPixels(along, *initialExtent_);
  } else if (panes_.empty()) {
    pane.SetExtentPixels(along, parent_[along]);
  } else {
    // The pane at the insertion point is split in two halves with a bar between them.
    PanePtr target = hasIndex ? PaneAt(position) : panes_.back();
    int32_t half = host::NearestLong((static_cast<double>(target->ExtentPixels(along)) - splitterSize_) / 2);
    target->SetExtentPixels(along, half);
    pane.SetExtentPixels(along, target->extentPixels_[along]);
  }
  pane.SetExtentPixels(axis_.Across(), OvPane::kWholeExtent);
}

void OvPanes::Remove(const Variant& index) {
  int32_t position = ResolveIndex(index);
  PanePtr removed = PaneAt(position);
  panes_.erase(panes_.begin() + (position - 1));
  Reindex();
  Relayout(true);
  RaiseToListeners([&](PanesListener& l) { l.PaneRemoved(removed); });
}

void OvPanes::Clear() {
  std::vector<PanePtr> released;
  released.swap(panes_);
  InvalidatePositions();
  RaiseToListeners([](PanesListener& l) { l.PaneRemoved(nullptr); });
}

void OvPanes::NotifyPaneChanged(OvPane& pane, const host::String& property) {
  if (isAdding_) return;
  PanePtr changed = pane.shared_from_this();
  host::String name = property;
  RaiseToListeners([&](PanesListener& l) { l.PaneChanged(changed, name); });
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
  if (!layout_) layout_ = LayoutWithin({static_cast<double>(parent_.x), static_cast<double>(parent_.y)});
  return *layout_;
}

PaneLayout OvPanes::LayoutWithin(XY<double> inner) const {
  std::vector<int32_t> extents, minimums;
  extents.reserve(panes_.size());
  minimums.reserve(panes_.size());
  for (const PanePtr& pane : panes_) {
    extents.push_back(pane->ExtentPixels(axis_.Along()));
    minimums.push_back(pane->MinimumPixels());
  }
  return LayOutPanes({.extents = extents,
                      .minimums = minimums,
                      .barSize = splitterSize_,
                      .border = borderOffset_,
                      .innerAlong = axis_.Pick(inner),
                      .innerAcross = axis_.PickAcross(inner)});
}

int32_t OvPanes::PanePositionPixels(const OvPane& pane, Dimension d) const {
  if (d != axis_.Along()) return borderOffset_;
  size_t slot = static_cast<size_t>(pane.Index() - 1);
  if (slot >= panes_.size() || panes_[slot].get() != &pane) return 0;  // not in the list
  return CheckedLong(Layout().spans[slot].start);
}

void OvPanes::Relayout(bool raise) {
  if (panes_.empty()) return;
  const PaneLayout& layout = Layout();
  CheckedLong(layout.spans.back().start);  // a last pane beyond the Long range cannot be placed
  panes_.back()->SetExtentPixels(axis_.Along(), CheckedLong(layout.fittedLastExtent));
  if (raise && panes_.size() > 1) {
    PanePtr before = panes_[panes_.size() - 2];
    PanePtr after = panes_.back();
    RaiseToListeners([&](PanesListener& l) { l.SplitterResized(before, after); });
  }
}

std::pair<PanePtr, PanePtr> OvPanes::ExchangePartners(const OvPane& pane) const {
  const int32_t index = pane.Index();
  if (index == Count()) return {PaneAt(index - 1), PaneAt(index)};
  return {PaneAt(index), PaneAt(index + 1)};
}

void OvPanes::ExchangeExtent(OvPane& pane, int32_t extent) {
  const Dimension along = axis_.Along();
  const int32_t previous = pane.extentPixels_[along];
  pane.extentPixels_[along] = extent;
  InvalidatePositions();
  // What the pane gained its neighbour loses, and the reverse.
  auto [first, second] = ExchangePartners(pane);
  OvPane& neighbour = first.get() == &pane ? *second : *first;
  neighbour.SetExtentPixels(along, CheckedLong(int64_t{neighbour.ExtentPixels(along)} + previous - extent));
}

void OvPanes::EqualizePanes() {
  int64_t n = Count();
  if (n == 0) return;
  const Dimension along = axis_.Along();
  int64_t bars = (n - 1) * splitterSize_;
  int32_t share = host::NearestLong(static_cast<double>(parent_[along] - bars) / n);
  // Iterate over a copy: a pane's failing setter stops the loop but not the list.
  std::vector<PanePtr> list = panes_;
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
  RaiseToListeners([&](PanesListener& l) { l.SplitterResized(pane, none); });
}

PanePtr OvPanes::PaneAtPoint(float x, float y) const {
  std::optional<size_t> before = Layout().BarAt(axis_.Pick(XY<double>{x, y}));
  return before ? panes_[*before] : nullptr;
}

void OvPanes::SplitterMouseDown(PanePtr& pane, float x, float y) {
  if (!pane) return;
  Item(Variant(pane->Index() + 1));  // "Index out of bounds." for the last pane, which has no bar
  const DragRange range = Layout().DragRangeAfter(static_cast<size_t>(pane->Index() - 1));
  bar_.SetRange(CheckedLong(range.start), CheckedLong(range.length));
  bar_.MouseDown(0, 0, x, y);
}

void OvPanes::SplitterMouseMove(PanePtr& pane, float x, float y) {
  if (pane) bar_.MouseMove(0, 0, x, y);
}

void OvPanes::SplitterMouseUp(PanePtr& pane) {
  if (bar_.MouseUp()) {
    const int32_t value = bar_.Value();
    if (value == -1) return;  // pressed and released without a move
    const Dimension along = axis_.Along();
    PanePtr next = Item(Variant(pane->Index() + 1));
    const int32_t wanted = value - PanePositionPixels(*pane, along);
    const int32_t extent = pane->ExtentPixels(along), nextExtent = next->ExtentPixels(along);
    const int32_t minimum = pane->MinimumPixels(), nextMinimum = next->MinimumPixels();
    // The next pane is always set first. Outside the first rule the pair keeps its total, so
    // no other pane moves.
    auto resize = [&](int64_t nextNew, int64_t paneNew) {
      next->SetExtentPixels(along, CheckedLong(nextNew));
      pane->SetExtentPixels(along, CheckedLong(paneNew));
    };
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
  PanePtr before = pane;
  PanePtr after = Item(Variant(pane->Index() + 1));
  RaiseToListeners([&](PanesListener& l) { l.SplitterResized(before, after); });
}

}  // namespace panes
