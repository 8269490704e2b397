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
  DrawPanes(request, memoryDc);
  // After the panes: the border lies over them where they meet.
  DrawBorder(request, memoryDc, width, height);
  paint_->BltMemDC(request.targetDc, width, height);
}

void ControlPainter::FreeMemoryDc() {
  if (paint_) paint_->ReleaseMemDC();
}

void ControlPainter::DrawBorder(const PaintRequest& request, GdiHandle dc, int32_t width, int32_t height) {
  if (request.look.borderStyle != OvFixedSingle) return;
  drawRect_->Draw3DRect(dc, 0, 0, width, height,
                        request.look.appearance == Ov3D ? Rect3DStyle::Sunken : Rect3DStyle::FlatBlack,
                        request.panes.LineWidth());
}

void ControlPainter::DrawPanes(const PaintRequest& request, GdiHandle dc) {
  const panes::OvPanes& collection = request.panes;
  const panes::Axis axis = collection.GetAxis();
  const int32_t b = collection.GetBorderOffset();
  const int32_t s = collection.GetSplitterSize();
  // Laid out in the size being painted, which the panes' own inner size follows.
  const panes::PaneLayout& layout =
      collection.LayoutWithin({request.scaleWidth - 2.0 * b, request.scaleHeight - 2.0 * b});
  const auto& list = collection.Items();
  for (size_t k = 0; k < list.size(); ++k) {
    const panes::OvPane& pane = *list[k];
    const panes::PaneSpan& span = layout.spans[k];
    const bool last = k + 1 == list.size();
    const panes::XY<int32_t> origin = axis.Transpose(static_cast<int32_t>(span.start), b);
    const panes::XY<int32_t> size =
        axis.Transpose(static_cast<int32_t>(span.shown), static_cast<int32_t>(layout.across));
    if (pane.Appearance() == panes::OvPane3D && !span.collapsed)
      drawRect_->Draw3DRect(dc, origin.x, origin.y, size.x, size.y, Rect3DStyle::Sunken, request.panes.LineWidth());
    if (request.designMode && !span.collapsed) DrawPaneName(request, pane, origin.x, origin.y, size.x, size.y);
    if (!last && request.look.splitterStyle == OvSplitterRound)
      drawRect_->DrawRoundSplitter(dc, axis, s, b, origin.x, origin.y, size.x, size.y);
    if (!last && request.focusedBar == k) {
      const panes::XY<int32_t> barOrigin = axis.Transpose(static_cast<int32_t>(layout.BarStart(k)), b);
      const panes::XY<int32_t> barSize = axis.Transpose(s, static_cast<int32_t>(layout.across));
      request.gdi.DrawFocusRect(dc, {barOrigin.x, barOrigin.y, barOrigin.x + barSize.x, barOrigin.y + barSize.y});
    }
  }
}

void ControlPainter::DrawPaneName(const PaintRequest& request, const panes::OvPane& pane, int32_t x, int32_t y,
                                  int32_t w, int32_t h) {
  std::uint32_t format = host::gdi::kDtWordEllipsis | host::gdi::kDtSingleLine | host::gdi::kDtVCenter;
  const int32_t m = request.panes.LineWidth();
  paint_->DrawTextInRect(pane.Name(), request.font, x + m, y + m, x + w - 2 * m, y + h - 2 * m,
                         Rounded(request.textHeight), format, TextAlignment::Center,
                         request.gdi.GetBkColor(request.targetDc), request.gdi.GetSysColor(host::gdi::kColorBtnText));
}

}  // namespace splitter
