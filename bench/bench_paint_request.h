#pragma once
// The repaint that the benchmarks measure: a 3D control with round bars, its panes named in
// "MS Sans Serif" at design time.
#include "splitter/control_painter.h"

namespace bench {

inline splitter::PaintRequest RoundBarsRequest(host::Gdi& gdi, host::GdiHandle dc, float width, float height,
                                               host::OleColor backColor, int32_t borderStyle,
                                               const panes::OvPanes& panes, bool designMode) {
  using namespace splitter;
  return {.gdi = gdi,
          .targetDc = dc,
          .scaleWidth = width,
          .scaleHeight = height,
          .backColor = backColor,
          .look = {.appearance = Ov3D, .borderStyle = borderStyle, .splitterStyle = OvSplitterRound},
          .panes = panes,
          .designMode = designMode,
          .font = host::FontDescription{u"MS Sans Serif"},
          .textHeight = 13};
}

}  // namespace bench
