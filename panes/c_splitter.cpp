#include "panes/c_splitter.h"

#include "host/variant.h"

namespace panes {

int32_t CSplitter::AlongFrom(int32_t offsetX, int32_t offsetY, float x, float y) const {
  return host::NearestLong(axis_.Pick(XY<double>{x, y}) + axis_.Pick(XY<int32_t>{offsetX, offsetY}));
}

void CSplitter::InvertBar() {
  if (pointer_ && !live_) pointer_->InvertScreenRect(barRect_);
}

void CSplitter::DrawBar(int32_t x, int32_t y) {
  host::ScreenPoint topLeft{x, y}, bottomRight{x + size_.x, y + size_.y};
  if (pointer_) {
    topLeft = pointer_->ClientToScreen(parentHwnd_, topLeft);
    bottomRight = pointer_->ClientToScreen(parentHwnd_, bottomRight);
  }
  barRect_ = {topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
  InvertBar();
}

void CSplitter::MouseDown(int32_t offsetX, int32_t offsetY, float x, float y) {
  value_ = -1;
  dragging_ = true;
  const XY<int32_t> offset{offsetX, offsetY};
  XY<int32_t> at = axis_.Transpose(AlongFrom(offsetX, offsetY, x, y), axis_.PickAcross(offset));
  DrawBar(at.x, at.y);
}

void CSplitter::MouseMove(int32_t offsetX, int32_t offsetY, float x, float y) {
  if (!dragging_) return;
  int32_t position = AlongFrom(offsetX, offsetY, x, y);
  const int32_t last = rangeStart_ + range_ - axis_.Pick(size_);
  if (position < rangeStart_)
    position = rangeStart_;
  else if (position > last)
    position = last;
  value_ = position;
  InvertBar();  // the rectangle still holds the old place
  XY<int32_t> at = axis_.Transpose(position, axis_.PickAcross(XY<int32_t>{offsetX, offsetY}));
  DrawBar(at.x, at.y);
}

bool CSplitter::MouseUp() {
  if (!dragging_) return false;
  InvertBar();
  dragging_ = false;
  return true;
}

bool CSplitter::Cancel() {
  if (!MouseUp()) return false;
  value_ = -1;
  return true;
}

}  // namespace panes
