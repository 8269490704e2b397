#include "splitter/bar_keyboard.h"

#include <utility>

#include "host/error.h"
#include "host/site/pointer_services.h"

namespace splitter {

namespace vk = host::vk;
using panes::OvPanes;
using panes::PanePtr;

namespace {
size_t BarCount(const OvPanes& panes) {
  const size_t count = panes.Items().size();
  return count > 1 ? count - 1 : 0;
}
}  // namespace

void BarKeyboard::SetIncrement(int32_t pixels) {
  if (pixels < 1) throw host::Error::Component(host::err::kOutOfRange, u"SplitterIncrement must be at least 1.");
  increment_ = pixels;
}

bool BarKeyboard::FocusIn(const OvPanes& panes) {
  const size_t bars = BarCount(panes);
  if (bars == 0) {
    focused_.reset();
    return false;
  }
  focused_ = lastUsed_ < bars ? lastUsed_ : 0;
  return true;
}

void BarKeyboard::FocusOut(OvPanes& panes) {
  CancelMove(panes);
  focused_.reset();
}

void BarKeyboard::Focus(size_t bar) { focused_ = lastUsed_ = bar; }

PanePtr BarKeyboard::MovingPane(const OvPanes& panes) const {
  return focused_ && *focused_ < BarCount(panes) ? panes.Items()[*focused_] : nullptr;
}

void BarKeyboard::CancelMove(OvPanes& panes) {
  if (std::exchange(moving_, false)) panes.CancelSplitterDrag();
}

BarKey BarKeyboard::KeyDown(OvPanes& panes, int32_t key, bool shift) {
  // A mouse drag under way keeps the feedback to itself.
  if (panes.Bar().Dragging() && !moving_) return BarKey::Ignored;
  // Panes removed since: the mark goes where the focus would put it.
  if ((!focused_ || *focused_ >= BarCount(panes)) && !FocusIn(panes)) return BarKey::Ignored;
  const bool horizontal = panes.GetAxis().IsHorizontal();
  const int64_t step = int64_t{increment_} * (shift ? kLargeStep : 1);
  const int64_t page = int64_t{increment_} * kLargeStep;
  switch (key) {
    case vk::kTab:
      return Step(panes, shift ? -1 : 1);
    case vk::kF6: {
      CancelMove(panes);
      const size_t bars = BarCount(panes);
      focused_ = lastUsed_ = (*focused_ + (shift ? bars - 1 : 1)) % bars;
      return BarKey::Handled;
    }
    case vk::kLeft:
    case vk::kRight:
      if (!horizontal) return BarKey::Ignored;
      MoveBy(panes, key == vk::kLeft ? -step : step);
      return BarKey::Handled;
    case vk::kUp:
    case vk::kDown:
      if (horizontal) return BarKey::Ignored;
      MoveBy(panes, key == vk::kUp ? -step : step);
      return BarKey::Handled;
    case vk::kPageUp:
    case vk::kPageDown:
      MoveBy(panes, key == vk::kPageUp ? -page : page);
      return BarKey::Handled;
    case vk::kHome:
    case vk::kEnd:
      MoveToEnd(panes, key == vk::kEnd);
      return BarKey::Handled;
    case vk::kReturn:
      // Without a move and a pane to collapse, Enter stays the container's (its default button).
      if (moving_) return BarKey::Apply;
      return panes.CollapseTarget(*focused_) ? BarKey::Toggle : BarKey::Ignored;
    case vk::kEscape:
      if (!moving_) return BarKey::Ignored;
      CancelMove(panes);
      return BarKey::Handled;
    default:
      return BarKey::Ignored;
  }
}

BarKey BarKeyboard::Step(OvPanes& panes, int direction) {
  CancelMove(panes);
  const int64_t next = static_cast<int64_t>(*focused_) + direction;
  if (next < 0) return BarKey::LeaveBackward;
  if (next >= static_cast<int64_t>(BarCount(panes))) return BarKey::LeaveForward;
  focused_ = lastUsed_ = static_cast<size_t>(next);
  return BarKey::Handled;
}

PanePtr BarKeyboard::BeginMove(OvPanes& panes) {
  PanePtr pane = panes.Items()[*focused_];
  if (!moving_) {
    panes.BeginBarMove(pane);
    moving_ = true;
  }
  return pane;
}

void BarKeyboard::MoveBy(OvPanes& panes, int64_t pixels) {
  PanePtr pane = BeginMove(panes);
  panes.MoveBarTo(pane, panes.BarMovePosition(*pane) + pixels);
}

void BarKeyboard::MoveToEnd(OvPanes& panes, bool last) {
  PanePtr pane = BeginMove(panes);
  const panes::DragRange range = panes.Layout().DragRangeAfter(*focused_);
  panes.MoveBarTo(pane, last ? range.start + range.length - panes.GetSplitterSize() : range.start);
}

}  // namespace splitter
