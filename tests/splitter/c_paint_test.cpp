// CPaint's own text and background rules.
#include "splitter/c_paint.h"
#include "tests/support/raster_paint_fixture.h"

namespace {

using PaintRaster = testing_support::RasterPaintFixture;
namespace colors = testing_support::colors;
using host::gdi::Rgb;

TEST_F(PaintRaster, AlignmentPadsTheTextOrAddsItsFlag) {
  splitter::CPaint paint(gdi);
  paint.GetMemDC(screen, 50, 20);
  const struct {
    splitter::TextAlignment alignment;
    const char16_t* drawn;
    std::uint32_t format;
  } cases[] = {{splitter::TextAlignment::Left, u"  Pane", 0x20},
               {splitter::TextAlignment::Right, u"Pane  ", 0x22},
               {splitter::TextAlignment::Center, u"Pane", 0x21}};
  for (const auto& c : cases) {
    gdi.ClearRecords();
    std::uint32_t format = 0x20;
    paint.DrawTextInRect(u"Pane", font, 1, 2, 30, 15, 12, format, c.alignment);
    EXPECT_EQ(format, c.format);  // the caller's flags keep the added bit
    ASSERT_EQ(gdi.Texts().size(), 1u);
    EXPECT_EQ(gdi.Texts()[0].text, c.drawn);
    EXPECT_EQ(gdi.Texts()[0].format, c.format);
    EXPECT_EQ(gdi.Texts()[0].dc, paint.hDCMem());
  }
  EXPECT_EQ(gdi.LiveObjectCount(), 2u);
}

TEST_F(PaintRaster, BackgroundDefaultsToTheDcsOwnColour) {
  Resize(6, 2);
  gdi.SetBkColor(screen, colors::kLight);
  splitter::CPaint paint(gdi);
  const auto memory = paint.GetMemDC(screen, 6, 2, true);
  EXPECT_EQ(gdi.Pixel(memory, 5, 1), colors::kLight);
  paint.DrawBackground(screen, 1, 0, 3, 1);
  paint.DrawBackground(screen, 4, 0, 1, 1, 0x80000010);
  EXPECT_EQ(Row(0), "black:0 lt:1-3 sh:4 black:5");
  EXPECT_EQ(gdi.GetBkColor(screen), colors::kLight);
  EXPECT_EQ(paint.TranslateColor(0x80000014), colors::kHighlight);
  EXPECT_EQ(paint.TranslateColor(0x123456), 0x123456u);
}

}  // namespace
