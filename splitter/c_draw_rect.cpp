#include "splitter/c_draw_rect.h"

#include "panes/axis.h"

#include "host/gdi/gdi_owner.h"
#include "host/gdi/gdi_saved_state.h"
#include "host/gdi/gdi_selection.h"

namespace splitter {

using host::GdiHandle;
using host::GdiObject;
namespace gdi = host::gdi;

void CDrawRect::Line(GdiHandle dc, int32_t fromX, int32_t fromY, int32_t toX, int32_t toY) {
  gdi_.MoveToEx(dc, fromX, fromY);
  gdi_.LineTo(dc, toX, toY);
}

void CDrawRect::Draw3DRect(GdiHandle dc, int32_t left, int32_t top, int32_t width, int32_t height, Rect3DStyle style,
                           int32_t line) {
  const bool sunken = style == Rect3DStyle::Sunken;
  // Destroyed in reverse: the old pen back, the pens deleted, the DC restored.
  host::GdiSavedState saved(gdi_, dc);
  auto pen = [&](int systemColor) {
    return GdiObject(gdi_,
                     gdi_.CreatePen(gdi::kPenSolid, 1, sunken ? gdi_.GetSysColor(systemColor) : gdi::Rgb(0, 0, 0)));
  };
  GdiObject penA = pen(gdi::kColorBtnShadow);
  GdiObject penB = pen(gdi::kColorBtnHighlight);
  GdiObject penC, penD;
  if (sunken) {
    penC = pen(gdi::kColor3DDkShadow);
    penD = pen(gdi::kColor3DLight);
  }
  host::GdiSelection selection(gdi_, dc, penA.Get());
  // Each ring `line` pixels thick: the 1-pixel ring drawn again one pixel further in.
  for (int32_t i = 0; i < line; ++i) {
    const int32_t l = left + i, t = top + i, w = width - 2 * i, h = height - 2 * i;
    selection.Switch(penA.Get());
    Line(dc, w < 2 ? l + w : l + w - 2, t, l, t);
    Line(dc, l, t, l, t + h - 1);
    selection.Switch(penB.Get());
    Line(dc, l, t + h - 1, l + w - 1, t + h - 1);
    Line(dc, l + w - 1, t + h - 1, l + w - 1, t - 1);
  }
  if (!sunken) return;
  for (int32_t i = line - 1; i < 2 * line - 1; ++i) {
    const int32_t l = left + i, t = top + i, w = width - 2 * i, h = height - 2 * i;
    // The narrow cases start the short lines at the right edge instead.
    const int32_t innerRight = w < 2 ? l + w : l + w - 2;
    selection.Switch(penC.Get());
    Line(dc, w < 3 ? l + w : l + w - 3, t + 1, l + 1, t + 1);
    Line(dc, l + 1, t + 1, l + 1, t + h - 2);
    selection.Switch(penD.Get());
    Line(dc, l + 1, t + h - 2, innerRight, t + h - 2);
    Line(dc, innerRight, t + h - 2, innerRight, t);
  }
}

void CDrawRect::DrawRoundSplitter(GdiHandle dc, panes::Axis axis, int32_t splitterSize, int16_t offset, int32_t left,
                                  int32_t top, int32_t width, int32_t height) {
  const panes::XY<int32_t> start{left, top}, size{width, height};
  GdiObject highlight(gdi_, gdi_.CreatePen(gdi::kPenSolid, 1, gdi_.GetSysColor(gdi::kColorBtnHighlight)));
  GdiObject shadow(gdi_, gdi_.CreatePen(gdi::kPenSolid, 1, gdi_.GetSysColor(gdi::kColorBtnShadow)));
  GdiObject face(gdi_, gdi_.CreatePen(gdi::kPenSolid, 1, gdi_.GetSysColor(gdi::kColorBtnFace)));
  host::GdiSelection selection(gdi_, dc, shadow.Get());
  // Each line crosses the whole inner extent, from its far edge back to the offset.
  for (int32_t i = 0; i < splitterSize; ++i) {
    selection.Switch(i == 0 ? highlight.Get() : i == splitterSize - 1 ? shadow.Get() : face.Get());
    const int32_t along = axis.Pick(start) + axis.Pick(size) + i;
    const panes::XY<int32_t> from = axis.Transpose(along, offset + axis.PickAcross(size));
    const panes::XY<int32_t> to = axis.Transpose(along, int32_t{offset});
    Line(dc, from.x, from.y, to.x, to.y);
  }
}

}  // namespace splitter
