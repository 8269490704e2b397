#pragma once
// Controls painted both on the simulated raster and into a real window, so the two can be
// compared pixel for pixel. Both sides paint through this one list and this one routine.
// Run time only: the raster records pane names instead of drawing them.
#include <cstdint>
#include <vector>

#include "host/gdi/gdi.h"
#include "host/ole_color.h"
#include "panes/ov_panes.h"
#include "splitter/control_painter.h"

namespace testing_support {

struct PaintConfiguration {
  const char* name;  // also the dump file's name
  int32_t width, height, orientation;
  int32_t appearance, borderStyle;  // of the control
  int16_t borderOffset;             // what those two give: 2 sunken, 1 flat, 0 none
  int32_t splitterStyle, splitterSize, paneAppearance;
  std::vector<int32_t> extents;  // widths of horizontal panes, heights of vertical ones
  host::OleColor backColor;
};

// The selection colour (13) sets the background apart from every line, the bars' face
// lines too; the button face is the control's usual background.
inline constexpr host::OleColor kSelectionBackColor = 0x8000000D;

// The system colours the painting reads, in the order the dump files hold them. The
// background is one of them, so both sides fill it with the platform's own value.
inline constexpr int kPaintSystemColors[] = {13, 15, 16, 18, 20, 21, 22};

inline const std::vector<PaintConfiguration>& PaintConfigurations() {
  using panes::OvPane3D, panes::OvPaneFlat;
  static const std::vector<PaintConfiguration> all = {
      {"horizontal_3d_round_sunken_border", 300, 60, 0, 1, 1, 2, 1, 4, OvPane3D, {100, 50, 80}, kSelectionBackColor},
      {"horizontal_flat_flat_border", 300, 60, 0, 0, 1, 1, 0, 3, OvPaneFlat, {90, 60, 80}, kSelectionBackColor},
      {"vertical_3d_round", 120, 200, 1, 1, 0, 0, 1, 5, OvPane3D, {60, 40, 50}, host::kButtonFaceColor},
      // Frames below 3 pixels take their own corner rules; bars of 1 and 2 pixels too.
      {"narrow_3d_panes", 80, 30, 0, 1, 0, 0, 1, 2, OvPane3D, {1, 2, 3, 4}, kSelectionBackColor},
      {"narrow_bars_flat_border", 60, 30, 0, 0, 1, 1, 1, 1, OvPane3D, {20, 20}, kSelectionBackColor}};
  return all;
}

// The configuration's panes: added at their minimum, not by halving the last one, so narrow
// ones fit too, then given their extents (the last one is fitted anyway).
inline void AddConfiguredPanes(const PaintConfiguration& c, panes::OvPanes& panes) {
  panes.SetOrientation(static_cast<int16_t>(c.orientation));
  panes.SetSplitterSize(c.splitterSize);
  panes.SetBorderOffset(c.borderOffset);
  panes.SetUnitsPerPixel(15);
  panes.SetBounds(c.width - 2 * c.borderOffset, c.height - 2 * c.borderOffset);
  for (size_t i = 0; i < c.extents.size(); ++i) panes.AddSized(10, 0);
  auto pane = panes.Items().begin();
  for (int32_t extent : c.extents) {
    (*pane)->SetAppearance(c.paneAppearance);
    (*pane)->SetMinimum(0);
    (*pane++)->SetExtentPixels(panes.GetAxis().Along(), extent);
  }
}

// What a control at run time hands its painter for the configuration.
inline splitter::PaintRequest ConfiguredRequest(const PaintConfiguration& c, host::Gdi& gdi, host::GdiHandle windowDc,
                                                const panes::OvPanes& panes, const host::FontDescription& font) {
  return {.gdi = gdi,
          .targetDc = windowDc,
          .scaleWidth = static_cast<float>(c.width),
          .scaleHeight = static_cast<float>(c.height),
          .backColor = c.backColor,
          .look = {.appearance = c.appearance, .borderStyle = c.borderStyle, .splitterStyle = c.splitterStyle},
          .panes = panes,
          .designMode = false,
          .font = font,
          .textHeight = 13};
}

// One full repaint of the configured control into `windowDc`.
inline void PaintConfigured(const PaintConfiguration& c, host::Gdi& gdi, host::GdiHandle windowDc) {
  auto panes = panes::OvPanes::Create();
  AddConfiguredPanes(c, *panes);
  splitter::ControlPainter painter;
  painter.Redraw(ConfiguredRequest(c, gdi, windowDc, *panes, host::FontDescription{u"Tahoma"}));
  painter.FreeMemoryDc();
  panes->Detach();
}

}  // namespace testing_support
