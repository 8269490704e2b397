#include "panes/ov_panes.h"

#include <algorithm>
#include <limits>

#include "host/error.h"

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

// Clears a flag when the scope ends, whether Add finishes or fails.
class FlagScope {
 public:
  explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagScope() { flag_ = false; }
  FlagScope(const FlagScope&) = delete;
  FlagScope& operator=(const FlagScope&) = delete;

 private:
  bool& flag_;
};

}  // namespace

std::shared_ptr<OvPanes> OvPanes::Create(host::Screen screen) {
  return std::shared_ptr<OvPanes>(new OvPanes(screen));
}

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
  for (const PanePtr& pane : panes_) {
    const Variant& other = pane->Key();
    if (other.IsNull() || other.IsObject()) continue;
    if (host::TextEqualsIgnoringCase(host::Trim(other.ToString()), wanted)) return true;
  }
  return false;
}

void OvPanes::Reindex() {
  InvalidatePositions();
  for (size_t i = 0; i < panes_.size(); ++i) panes_[i]->SetIndex(static_cast<int32_t>(i + 1));
}

PanePtr OvPanes::Item(const Variant& index) const { return PaneAt(ResolveIndex(index)); }

PanePtr OvPanes::Add(const Variant& index, const Variant& key, const Variant& appearance,
                     const Variant& controlName) {
  auto pane = std::make_shared<OvPane>();
  pane->SetOwner(shared_from_this());
  {
    FlagScope adding(isAdding_);
    bool hasIndex = !index.IsMissing();
    int32_t position = hasIndex ? ResolveIndex(index) : 0;
    if (!key.IsMissing()) pane->SetKey(key);
    if (!appearance.IsMissing()) pane->SetAppearance(appearance.ToLong());
    if (!controlName.IsMissing()) pane->SetControlName(controlName.ToString());
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
  bool horizontal = IsHorizontal();
  int32_t initial = horizontal ? initialWidth_ : initialHeight_;
  auto setMain = [horizontal](OvPane& p, int32_t pixels) {
    horizontal ? p.SetWidthPixels(pixels) : p.SetHeightPixels(pixels);
  };
  if (initial != 0) {
    setMain(pane, initial);
  } else if (panes_.empty()) {
    setMain(pane, horizontal ? parentWidth_ : parentHeight_);
  } else {
    // The pane at the insertion point is split in two halves with a bar between them.
    PanePtr target = hasIndex ? PaneAt(position) : panes_.back();
    int32_t extent = horizontal ? target->GetWidthPixels() : target->GetHeightPixels();
    int32_t half = host::NearestLong((static_cast<double>(extent) - splitterSize_) / 2);
    setMain(*target, half);
    setMain(pane, horizontal ? target->WidthPixels() : target->HeightPixels());
  }
  horizontal ? pane.SetHeightPixels(-1) : pane.SetWidthPixels(-1);
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
  InvalidatePositions();
  bar_.SetOrientation(orientation);
  EqualizePanes();
}

void OvPanes::SetSplitterSize(int32_t size) {
  splitterSize_ = size;
  InvalidatePositions();
  if (IsHorizontal()) {
    bar_.SetWidth(size);
    bar_.SetHeight(parentHeight_);
  } else {
    bar_.SetWidth(parentWidth_);
    bar_.SetHeight(size);
  }
}

void OvPanes::SetBounds(int32_t, int32_t, int32_t width, int32_t height) {
  parentWidth_ = width;
  parentHeight_ = height;
  InvalidatePositions();
  if (IsHorizontal()) {
    bar_.SetHeight(CheckedLong(int64_t{parentHeight_} + 2 * borderOffset_));
    bar_.SetWidth(splitterSize_);
  } else {
    bar_.SetWidth(CheckedLong(int64_t{parentWidth_} + 2 * borderOffset_));
    bar_.SetHeight(splitterSize_);
  }
  Relayout(false);
}

int32_t OvPanes::PanePosition(const OvPane& pane) const {
  if (!positionsValid_) {
    positions_.resize(panes_.size());
    int64_t position = borderOffset_;
    for (size_t i = 0; i < panes_.size(); ++i) {
      positions_[i] = position;
      position += int64_t{IsHorizontal() ? panes_[i]->GetWidthPixels() : panes_[i]->GetHeightPixels()} + splitterSize_;
    }
    positionsValid_ = true;
  }
  size_t slot = static_cast<size_t>(pane.Index() - 1);
  if (slot >= panes_.size() || panes_[slot].get() != &pane) return 0;  // not in the list
  return CheckedLong(positions_[slot]);
}

int32_t OvPanes::PaneLeftPixels(const OvPane& pane) const {
  return IsHorizontal() ? PanePosition(pane) : borderOffset_;
}

int32_t OvPanes::PaneTopPixels(const OvPane& pane) const {
  return IsHorizontal() ? borderOffset_ : PanePosition(pane);
}

void OvPanes::Relayout(bool raise) {
  if (panes_.empty()) return;
  OvPane& last = *panes_.back();
  int32_t minimum = last.GetMinimumPixels();
  if (IsHorizontal()) {
    int32_t room = CheckedLong(int64_t{borderOffset_} + parentWidth_ - PaneLeftPixels(last));
    last.SetWidthPixels(room > minimum ? room : minimum);
  } else {
    int32_t room = CheckedLong(int64_t{borderOffset_} + parentHeight_ - PaneTopPixels(last));
    last.SetHeightPixels(room > minimum ? room : minimum);
  }
  if (raise && panes_.size() > 1) {
    PanePtr before = panes_[panes_.size() - 2];
    PanePtr after = panes_.back();
    RaiseToListeners([&](PanesListener& l) { l.SplitterResized(before, after); });
  }
}

void OvPanes::EqualizePanes() {
  int64_t n = Count();
  if (n == 0) return;
  int64_t bars = (n - 1) * splitterSize_;
  // Iterate over a copy: a pane's failing setter stops the loop but not the list.
  std::vector<PanePtr> list = panes_;
  for (const PanePtr& pane : list) {
    if (IsHorizontal()) {
      pane->SetWidthPixels(host::NearestLong(static_cast<double>(parentWidth_ - bars) / n));
      pane->SetHeightPixels(parentHeight_);
    } else {
      pane->SetWidthPixels(parentWidth_);
      pane->SetHeightPixels(host::NearestLong(static_cast<double>(parentHeight_ - bars) / n));
    }
  }
}

void OvPanes::AddFirstPane() {
  bool horizontal = IsHorizontal();
  int32_t& initial = horizontal ? initialWidth_ : initialHeight_;
  initial = horizontal ? parentWidth_ : parentHeight_;
  PanePtr pane;
  try {
    pane = Add();
  } catch (...) {
    initial = 0;
    throw;
  }
  initial = 0;
  PanePtr none;
  RaiseToListeners([&](PanesListener& l) { l.SplitterResized(pane, none); });
}

PanePtr OvPanes::PaneAtPoint(float x, float y) const {
  double along = IsHorizontal() ? x : y;
  int64_t position = borderOffset_;
  for (size_t k = 0; k + 1 < panes_.size(); ++k) {
    const PanePtr& pane = panes_[k];
    int64_t extent = IsHorizontal() ? pane->GetWidthPixels() : pane->GetHeightPixels();
    if (position + extent - 2 < along && along < position + extent + splitterSize_ + 2) return pane;
    position += extent + splitterSize_;
  }
  return nullptr;
}

}  // namespace panes
