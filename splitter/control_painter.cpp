#include "splitter/control_painter.h"

#include "host/variant.h"

namespace splitter {

using host::GdiHandle;

namespace {
int32_t Rounded(double value) { return static_cast<int32_t>(host::RoundHalfEven(value)); }
}  // namespace

void ControlPainter::Redraw(const PaintRequest& request) {
  if (!paint_ || &paint_->Gdi() != &request.gdi) {
    paint_.reset();
    paint_.emplace(request.gdi);
    drawRect_.emplace(request.gdi);
  }
  const int32_t width = Rounded(request.scaleWidth);
  const int32_t height = Rounded(request.scaleHeight);
  const GdiHandle memoryDc = paint_->GetMemDC(request.targetDc, width, height, false);
  paint_->DrawBackground(memoryDc, 0, 0, width, height, request.backColor);
  DrawPanes(request, memoryDc, width, height);
  // After the panes: the border lies over them where they meet.
  DrawBorder(request, memoryDc, width, height);
  paint_->BltMemDC(request.targetDc, width, height);
}

void ControlPainter::Release() {
  if (paint_) paint_->ReleaseMemDC();
}

void ControlPainter::DrawBorder(const PaintRequest& request, GdiHandle dc, int32_t width, int32_t height) {
  if (request.borderStyle != 1) return;
  drawRect_->Draw3DRect(dc, 0, 0, width, height, request.appearance == 1 ? Rect3DStyle::Sunken : Rect3DStyle::FlatBlack);
}

void ControlPainter::DrawPanes(const PaintRequest& request, GdiHandle dc, int32_t width, int32_t height) {
  const int32_t b = request.borderOffset;
  const int32_t s = request.splitterSize;
  const bool horizontal = request.orientation == 0;
  const auto& panes = request.panes.Panes();
  const int32_t count = request.panes.Count();
  int32_t x = b, y = b, w = 0, h = 0;
  if (horizontal)
    h = Rounded(request.scaleHeight - 2.0 * b);
  else
    w = Rounded(request.scaleWidth - 2.0 * b);

  for (const auto& pane : panes) {
    // The last pane reaches the inner edge whatever its stored extent.
    const bool last = pane == panes.back();
    if (horizontal)
      w = last ? Rounded(request.scaleWidth - x - b) : pane->GetWidthPixels();
    else
      h = last ? Rounded(request.scaleHeight - y - b) : pane->GetHeightPixels();
    if (pane->Appearance() == panes::OvPane3D) drawRect_->Draw3DRect(dc, x, y, w, h, Rect3DStyle::Sunken);
    if (request.designMode) DrawPaneName(request, *pane, x, y, w, h);
    if (pane->Index() != count && request.splitterStyle == 1)
      drawRect_->DrawRoundSplitter(dc, request.orientation, s, request.borderOffset, x, y, w, h);
    if (horizontal)
      x += w + s;
    else
      y += h + s;
  }
}

void ControlPainter::DrawPaneName(const PaintRequest& request, const panes::OvPane& pane, int32_t x, int32_t y,
                                  int32_t w, int32_t h) {
  std::uint32_t format = host::gdi::kDtWordEllipsis | host::gdi::kDtSingleLine | host::gdi::kDtVCenter;
  paint_->DrawTextInRect(pane.Name(), request.font, x + 1, y + 1, x + w - 2, y + h - 2, Rounded(request.textHeight),
                         format, TextAlignment::Center, request.gdi.GetBkColor(request.targetDc),
                         request.gdi.GetSysColor(host::gdi::kColorBtnText));
}

}  // namespace splitter
