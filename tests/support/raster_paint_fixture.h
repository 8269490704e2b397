#pragma once
// A control's painting on the simulated raster: system colours that tell every line apart,
// the window DC, a pane collection and the request the control would hand its painter.
#include <gtest/gtest.h>

#include <cstdio>
#include <initializer_list>
#include <map>
#include <string>

#include "sim/sim_gdi.h"
#include "panes/ov_panes.h"
#include "splitter/control_painter.h"
#include "tests/support/paint_configurations.h"

namespace testing_support {

namespace colors {
using host::gdi::Rgb;
inline constexpr host::ColorRef kBack = Rgb(0, 170, 0), kFace = Rgb(17, 17, 17), kShadow = Rgb(34, 34, 34),
                                kText = Rgb(51, 51, 51), kHighlight = Rgb(68, 68, 68), kDarkShadow = Rgb(85, 85, 85),
                                kLight = Rgb(102, 102, 102), kBlack = 0;
}  // namespace colors

class RasterPaintFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    using namespace host::gdi;
    for (auto [index, color] :
         {std::pair(kColorBtnFace, colors::kFace), std::pair(kColorBtnShadow, colors::kShadow),
          std::pair(kColorBtnText, colors::kText), std::pair(kColorBtnHighlight, colors::kHighlight),
          std::pair(kColor3DDkShadow, colors::kDarkShadow), std::pair(kColor3DLight, colors::kLight)})
      gdi.SetSysColor(index, color);
    screen = gdi.CreateWindowDC(config.width, config.height);
  }
  void TearDown() override { panes->Detach(); }

  // Horizontal panes of these widths (the last is fitted anyway), or vertical ones of
  // these heights.
  void MakePanes(std::initializer_list<int32_t> extents, int32_t appearance = panes::OvPane3D) {
    config.extents = extents;
    config.paneAppearance = appearance;
    AddConfiguredPanes(config, *panes);
  }
  void Resize(int32_t width, int32_t height) {
    gdi.ResizeWindowDC(screen, config.width = width, config.height = height);
  }

  splitter::PaintRequest Request() {
    splitter::PaintRequest request = ConfiguredRequest(config, gdi, screen, *panes, font);
    request.designMode = designMode;
    request.textHeight = 13.4f;
    request.focusedBar = focusedBar;
    return request;
  }
  void Redraw() { painter.Redraw(Request()); }

  // The window's pixels as runs of named colours: "sh:0-98 hi:99" says x (or y) 0 to 98 are
  // shadow and 99 highlight; from `from` to `to` inclusive, `to` -1 for the last pixel.
  std::string Row(int32_t y, int32_t from = 0, int32_t to = -1) const {
    return Runs(from, to < 0 ? config.width - 1 : to, [&](int32_t x) { return gdi.Pixel(screen, x, y); });
  }
  std::string Column(int32_t x, int32_t from = 0, int32_t to = -1) const {
    return Runs(from, to < 0 ? config.height - 1 : to, [&](int32_t y) { return gdi.Pixel(screen, x, y); });
  }

  host::sim::SimGdi gdi;
  host::GdiHandle screen = 0;
  // 300 x 60, horizontal, a 3D look without border, flat bars of 3 pixels.
  PaintConfiguration config{"", 300, 60, 0, 1, 0, 0, 0, 3, panes::OvPane3D, {}, colors::kBack};
  bool designMode = false;
  std::optional<size_t> focusedBar;
  host::FontDescription font{u"Tahoma", true};
  std::shared_ptr<panes::OvPanes> panes = panes::OvPanes::Create();
  splitter::ControlPainter painter;

 private:
  template <typename PixelAt>
  static std::string Runs(int32_t from, int32_t to, PixelAt pixelAt) {
    static const std::map<host::ColorRef, std::string> names = {
        {colors::kBack, "bg"},       {colors::kFace, "face"}, {colors::kShadow, "sh"},  {colors::kHighlight, "hi"},
        {colors::kDarkShadow, "dk"}, {colors::kLight, "lt"},  {colors::kBlack, "black"}};
    std::string text;
    for (int32_t start = from; start <= to;) {
      const host::ColorRef color = pixelAt(start);
      int32_t end = start;
      while (end + 1 <= to && pixelAt(end + 1) == color) ++end;
      char hex[16];  // unnamed colours show as their hex COLORREF
      std::snprintf(hex, sizeof hex, "%06X", color);
      const auto name = names.find(color);
      text += (text.empty() ? "" : " ") + (name != names.end() ? name->second : hex) + ':' + std::to_string(start);
      if (end != start) text += '-' + std::to_string(end);
      start = end + 1;
    }
    return text;
  }
};

}  // namespace testing_support
