#pragma once
// The control's repaint: the whole picture built off screen (background, pane frames,
// round bars, pane names at design time, the border) and copied to the control's DC in
// one transfer.
#include <cstdint>
#include <optional>

#include "host/font_description.h"
#include "host/gdi/gdi.h"
#include "host/ole_color.h"
#include "panes/ov_panes.h"
#include "splitter/c_draw_rect.h"
#include "splitter/c_paint.h"
#include "splitter/control_look.h"

namespace splitter {

// Everything a repaint reads, taken by the control from itself and its surface.
struct PaintRequest {
  host::Gdi& gdi;
  host::GdiHandle targetDc;  // the control's own DC
  float scaleWidth;          // client area in pixels; rounded half to even
  float scaleHeight;
  host::OleColor backColor;
  ControlLook look;
  const panes::OvPanes& panes;  // with their orientation, bar size and border offset
  bool designMode;              // ambient UserMode False: pane names are written
  host::FontDescription font;
  float textHeight;  // the font's line height ("O") in pixels
  // The bar (0-based) that shows the keyboard's focus mark.
  std::optional<size_t> focusedBar = std::nullopt;
};

class ControlPainter {
 public:
  // The caller checks the ready flag first.
  void Redraw(const PaintRequest& request);
  // Frees the memory DC kept since the last repaint.
  void FreeMemoryDc();
  // The picture of the last repaint; 0 before the first.
  host::GdiHandle MemoryDC() const { return paint_ ? paint_->hDCMem() : 0; }

 private:
  void DrawPanes(const PaintRequest& request, host::GdiHandle dc);
  void DrawBorder(const PaintRequest& request, host::GdiHandle dc, int32_t width, int32_t height);
  void DrawPaneName(const PaintRequest& request, const panes::OvPane& pane, int32_t x, int32_t y, int32_t w, int32_t h);

  // Made with the Gdi of the first request, anew should another one come.
  std::optional<CPaint> paint_;
  std::optional<CDrawRect> drawRect_;
};

}  // namespace splitter
