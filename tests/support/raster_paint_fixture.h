#pragma once
// A control's painting set up on the simulated raster: system colours that tell every
// line apart, the control's window DC, a pane collection and the request the control
// would hand its painter.
#include <gtest/gtest.h>

#include <initializer_list>

#include "sim/sim_gdi.h"
#include "panes/ov_panes.h"
#include "splitter/control_painter.h"
#include "tests/support/raster_probe.h"

namespace testing_support {

namespace colors {
using host::gdi::Rgb;
inline constexpr host::ColorRef kBack = Rgb(0, 170, 0);
inline constexpr host::ColorRef kFace = Rgb(17, 17, 17);
inline constexpr host::ColorRef kShadow = Rgb(34, 34, 34);
inline constexpr host::ColorRef kText = Rgb(51, 51, 51);
inline constexpr host::ColorRef kHighlight = Rgb(68, 68, 68);
inline constexpr host::ColorRef kDarkShadow = Rgb(85, 85, 85);
inline constexpr host::ColorRef kLight = Rgb(102, 102, 102);
inline constexpr host::ColorRef kBlack = 0;
}  // namespace colors

class RasterPaintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace host::gdi;
    gdi.SetSysColor(kColorBtnFace, colors::kFace);
    gdi.SetSysColor(kColorBtnShadow, colors::kShadow);
    gdi.SetSysColor(kColorBtnText, colors::kText);
    gdi.SetSysColor(kColorBtnHighlight, colors::kHighlight);
    gdi.SetSysColor(kColor3DDkShadow, colors::kDarkShadow);
    gdi.SetSysColor(kColor3DLight, colors::kLight);
    screen = gdi.CreateWindowDC(width, height);
  }
  void TearDown() override { panes->Detach(); }

  // Horizontal panes of these widths (the last is fitted anyway), or vertical ones of
  // these heights.
  void MakePanes(std::initializer_list<int32_t> extents, int32_t appearance = panes::OvPane3D) {
    panes->SetOrientation(static_cast<int16_t>(orientation));
    panes->SetSplitterSize(splitterSize);
    panes->SetBorderOffset(borderOffset);
    panes->SetUnitsPerPixel(15);
    panes->SetBounds(width - 2 * borderOffset, height - 2 * borderOffset);
    // All added first: each new pane takes its room from the ones before.
    for (size_t i = 0; i < extents.size(); ++i) panes->Add();
    auto pane = panes->Items().begin();
    for (int32_t extent : extents) {
      (*pane)->SetAppearance(appearance);
      (*pane)->SetExtentPixels(panes->GetAxis().Along(), extent);
      ++pane;
    }
  }
  void Resize(int32_t newWidth, int32_t newHeight) {
    width = newWidth;
    height = newHeight;
    gdi.ResizeWindowDC(screen, width, height);
  }

  splitter::PaintRequest Request() {
    return {.gdi = gdi,
            .targetDc = screen,
            .scaleWidth = static_cast<float>(width),
            .scaleHeight = static_cast<float>(height),
            .backColor = backColor,
            .look = {.appearance = appearance, .borderStyle = borderStyle, .splitterStyle = splitterStyle},
            .panes = *panes,
            .designMode = designMode,
            .font = font,
            .textHeight = 13.4f};
  }
  void Redraw() { painter.Redraw(Request()); }

  std::string Row(int32_t y) const { return probe.Row(screen, y); }
  // The four outer lines of the window: top and bottom rows, left and right columns.
  std::vector<std::string> Edges() const { return {Row(0), Row(height - 1), Column(0), Column(width - 1)}; }
  std::string Column(int32_t x) const { return probe.Column(screen, x); }

  host::sim::SimGdi gdi;
  host::GdiHandle screen = 0;
  int32_t width = 300;
  int32_t height = 60;
  host::OleColor backColor = colors::kBack;
  int32_t appearance = 1;
  int32_t borderStyle = 0;
  int32_t splitterStyle = 0;
  int32_t splitterSize = 3;
  int32_t orientation = 0;
  int16_t borderOffset = 0;
  bool designMode = false;
  host::FontDescription font{u"Tahoma", true};
  std::shared_ptr<panes::OvPanes> panes = panes::OvPanes::Create();
  splitter::ControlPainter painter;
  RasterProbe probe{gdi,
                    {{colors::kBack, "bg"},
                     {colors::kFace, "face"},
                     {colors::kShadow, "sh"},
                     {colors::kHighlight, "hi"},
                     {colors::kDarkShadow, "dk"},
                     {colors::kLight, "lt"},
                     {colors::kBlack, "black"}}};
};

}  // namespace testing_support
