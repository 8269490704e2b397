// 3D frames and round bars, line by line, and the pens they leave behind: none.
#include "splitter/c_draw_rect.h"
#include "tests/support/raster_paint_fixture.h"

namespace {

using PaintFrame = testing_support::RasterPaintFixture;
using splitter::Rect3DStyle;

TEST_F(PaintFrame, SunkenFrameIsTwoRingsOfFourColours) {
  Resize(100, 60);
  const auto live = gdi.LiveObjectCount();
  const auto pen = gdi.CreatePen(host::gdi::kPenSolid, 1, 0);
  const auto before = gdi.SelectObject(screen, pen);
  splitter::CDrawRect(gdi).Draw3DRect(screen, 0, 0, 100, 60, Rect3DStyle::Sunken);
  // The outer lines: top and bottom rows, left and right columns.
  EXPECT_EQ((std::vector<std::string>{Row(0), Row(59), Column(0), Column(99)}),
            (std::vector<std::string>{"sh:0-98 hi:99", "hi:0-99", "sh:0-58 hi:59", "hi:0-59"}));
  EXPECT_EQ(Row(1), "sh:0 dk:1-97 lt:98 hi:99");
  EXPECT_EQ(Column(1), "sh:0 dk:1-57 lt:58 hi:59");
  EXPECT_EQ(Row(58), "sh:0 lt:1-98 hi:99");
  EXPECT_EQ(Column(98), "sh:0 lt:1-58 hi:59");
  EXPECT_EQ(Row(2), "sh:0 dk:1 black:2-97 lt:98 hi:99");  // inside: untouched
  // The caller's pen is back in place and every pen of the call is gone.
  EXPECT_EQ(gdi.SelectObject(screen, before), pen);
  gdi.DeleteObject(pen);
  EXPECT_EQ(gdi.LiveObjectCount(), live);
}

TEST_F(PaintFrame, RoundBarsRunFromHighlightOverFaceToShadow) {
  Resize(120, 50);
  splitter::CDrawRect bars(gdi);
  const auto live = gdi.LiveObjectCount();
  bars.DrawRoundSplitter(screen, panes::Axis::Of(panes::OvHorizontal), 4, 0, 0, 0, 100, 50);
  EXPECT_EQ(Row(10, 99, 104), "black:99 hi:100 face:101-102 sh:103 black:104");
  EXPECT_EQ(Column(100), "black:0 hi:1-49");  // LineTo leaves out the top end point
  bars.DrawRoundSplitter(screen, panes::Axis::Of(panes::OvHorizontal), 1, 0, 0, 0, 110, 50);
  EXPECT_EQ(Row(5, 110, 111), "hi:110 black:111");
  bars.DrawRoundSplitter(screen, panes::Axis::Of(panes::OvHorizontal), 2, 0, 0, 0, 114, 50);
  EXPECT_EQ(Row(5, 114, 116), "hi:114 sh:115 black:116");
  EXPECT_EQ(gdi.LiveObjectCount(), live);
}

TEST_F(PaintFrame, HorizontalBarsStartAfterTheBorderOffset) {
  Resize(40, 40);
  splitter::CDrawRect(gdi).DrawRoundSplitter(screen, panes::Axis::Of(panes::OvVertical), 3, 2, 2, 2, 30, 10);
  EXPECT_EQ(Column(5, 11, 15), "black:11 hi:12 face:13 sh:14 black:15");
  EXPECT_EQ(Row(12), "black:0-2 hi:3-32 black:33-39");  // x from offset + 1 to offset + width
}

}  // namespace
