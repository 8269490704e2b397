#pragma once
// The drag bar of the collection: the range a bar may travel in during one drag, and the
// feedback rectangle that follows the mouse, drawn by inverting screen pixels so that
// drawing it a second time erases it. Positions are client pixels of the control; the
// rectangle on screen is held in screen coordinates.
#include <cstdint>

#include "host/site/pointer_services.h"
#include "panes/axis.h"

namespace panes {

class CSplitter {
 public:
  void SetAxis(Axis axis) { axis_ = axis; }
  // The feedback bar: the bar size along the axis, the inner extent across it.
  void SetSize(XY<int32_t> size) { size_ = size; }
  void SetParentHwnd(std::uintptr_t value) { parentHwnd_ = value; }
  // Where the bar's leading edge was last moved to; -1 before the first move of a drag.
  int32_t Value() const { return value_; }
  bool Dragging() const { return dragging_; }

  // The drag range along the axis: where it starts and how long it is.
  void SetRange(int32_t start, int32_t length) {
    rangeStart_ = start;
    range_ = length;
  }
  // Live: the panes themselves follow the drag, and no feedback is drawn.
  void SetLive(bool live) { live_ = live; }
  bool Live() const { return live_; }
  // Where the feedback is drawn; without it (a collection of no control) nothing is drawn.
  void SetPointerServices(host::PointerServices* pointer) { pointer_ = pointer; }

  // Starts a drag with the feedback at the mouse, not yet limited to the range.
  void MouseDown(int32_t offsetX, int32_t offsetY, float x, float y);
  // Moves the feedback along the axis, kept inside the range; nothing outside a drag.
  void MouseMove(int32_t offsetX, int32_t offsetY, float x, float y);
  // Ends a drag and erases the feedback; false when no drag was under way.
  bool MouseUp();
  // Ends a drag without a result: the feedback erased and no position reached.
  bool Cancel();
  // Inverts the feedback of a drag under way: off before the window under it is painted,
  // on again after.
  void ToggleFeedback() {
    if (dragging_) InvertBar();
  }

 private:
  void DrawBar(int32_t x, int32_t y);
  void InvertBar();
  // The mouse along the axis with the offset added, rounded.
  int32_t AlongFrom(int32_t offsetX, int32_t offsetY, float x, float y) const;

  Axis axis_ = Axis::Of(OvHorizontal);
  XY<int32_t> size_;
  int32_t rangeStart_ = 0;
  int32_t range_ = 0;
  int32_t value_ = -1;
  bool dragging_ = false;
  bool live_ = false;
  host::ScreenRect barRect_;
  std::uintptr_t parentHwnd_ = 0;
  host::PointerServices* pointer_ = nullptr;
};

}  // namespace panes
