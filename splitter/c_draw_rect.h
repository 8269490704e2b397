#pragma once
// 3D frames and round splitter bars, drawn with solid 1-pixel pens that each call makes
// and deletes.
#include <cstdint>

#include "host/gdi/gdi.h"
#include "panes/axis.h"

namespace splitter {

enum class Rect3DStyle : int32_t { Sunken = 0, FlatBlack = 3 };

class CDrawRect {
 public:
  explicit CDrawRect(host::Gdi& gdi) : gdi_(gdi) {}

  // Sunken: a 2-line edge, shadows top and left, lights bottom and right. Flat black:
  // a 1-line black rectangle. A line is `line` pixels thick.
  void Draw3DRect(host::GdiHandle dc, int32_t left, int32_t top, int32_t width, int32_t height, Rect3DStyle style,
                  int32_t line = 1);
  // The bar after the pane (left, top, width, height), `offset` being the border's
  // thickness; orientation 0 gives vertical bars.
  void DrawRoundSplitter(host::GdiHandle dc, panes::Axis axis, int32_t splitterSize, int16_t offset, int32_t left,
                         int32_t top, int32_t width, int32_t height);

 private:
  void Line(host::GdiHandle dc, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY);

  host::Gdi& gdi_;
};

}  // namespace splitter
