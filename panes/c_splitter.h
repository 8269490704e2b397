#pragma once
// The drag bar of the collection: the feedback rectangle's size and its window.
#include <cstdint>

namespace panes {

class CSplitter {
 public:
  int16_t Orientation() const { return orientation_; }
  void SetOrientation(int16_t value) { orientation_ = value; }
  int32_t Width() const { return width_; }
  void SetWidth(int32_t value) { width_ = value; }
  int32_t Height() const { return height_; }
  void SetHeight(int32_t value) { height_ = value; }
  std::uintptr_t ParentHwnd() const { return parentHwnd_; }
  void SetParentHwnd(std::uintptr_t value) { parentHwnd_ = value; }

 private:
  int16_t orientation_ = 0;
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::uintptr_t parentHwnd_ = 0;
};

}  // namespace panes
