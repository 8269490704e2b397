#pragma once
// The pixels of a simulated bitmap or window: 32-bit colours, or black and white only for
// a monochrome bitmap (a colour lands as the nearer of the two by its brightness).
#include <cstdint>
#include <vector>

#include "host/gdi/gdi.h"

namespace host::sim {

class SimRaster {
 public:
  SimRaster() = default;
  SimRaster(int32_t width, int32_t height, bool monochrome = false) { Resize(width, height, monochrome); }

  void Resize(int32_t width, int32_t height, bool monochrome = false) {
    width_ = width > 0 ? width : 0;
    height_ = height > 0 ? height : 0;
    monochrome_ = monochrome;
    pixels_.assign(static_cast<size_t>(width_) * static_cast<size_t>(height_), 0);
  }

  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }
  bool Monochrome() const { return monochrome_; }
  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }

  // Outside the raster: gdi::kInvalidColor, as GetPixel answers CLR_INVALID.
  ColorRef Get(int32_t x, int32_t y) const { return Contains(x, y) ? pixels_[Offset(x, y)] : gdi::kInvalidColor; }
  // Outside the raster: clipped.
  void Set(int32_t x, int32_t y, ColorRef color) {
    if (Contains(x, y)) pixels_[Offset(x, y)] = Stored(color);
  }
  void Fill(int32_t left, int32_t top, int32_t right, int32_t bottom, ColorRef color) {
    const ColorRef stored = Stored(color);
    for (int32_t y = top < 0 ? 0 : top; y < bottom && y < height_; ++y)
      for (int32_t x = left < 0 ? 0 : left; x < right && x < width_; ++x) pixels_[Offset(x, y)] = stored;
  }

 private:
  size_t Offset(int32_t x, int32_t y) const {
    return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
  }
  ColorRef Stored(ColorRef color) const {
    color &= 0xFFFFFF;
    if (!monochrome_) return color;
    const unsigned brightness = (30 * (color & 0xFF) + 59 * ((color >> 8) & 0xFF) + 11 * ((color >> 16) & 0xFF)) / 100;
    return brightness >= 128 ? 0xFFFFFF : 0;
  }

  int32_t width_ = 0;
  int32_t height_ = 0;
  bool monochrome_ = false;
  std::vector<ColorRef> pixels_;
};

}  // namespace host::sim
