// A whole repaint through the simulated raster: what reaches the control's window, and
// that it arrives in one transfer leaving no GDI object behind.
#include "tests/support/error_matchers.h"
#include "tests/support/raster_paint_fixture.h"

namespace {

using PaintRedraw = testing_support::RasterPaintFixture;
namespace colors = testing_support::colors;

TEST_F(PaintRedraw, PanesGetFramesAlongEitherAxisAndTheLastReachesTheInnerEdge) {
  MakePanes({100, 50, 80});
  Redraw();
  EXPECT_EQ(Row(30),
            "sh:0 dk:1 bg:2-97 lt:98 hi:99 bg:100-102 sh:103 dk:104 bg:105-150 lt:151 hi:152 bg:153-155 "
            "sh:156 dk:157 bg:158-297 lt:298 hi:299");
  panes->Clear();
  config.orientation = 1;
  Resize(100, 60);
  MakePanes({20, 10, 15});
  Redraw();
  EXPECT_EQ(Column(50),
            "sh:0 dk:1 bg:2-17 lt:18 hi:19 bg:20-22 sh:23 dk:24 bg:25-30 lt:31 hi:32 bg:33-35 "
            "sh:36 dk:37 bg:38-57 lt:58 hi:59");
}

TEST_F(PaintRedraw, OnlyRoundBarsAreDrawnAndFlatPanesHaveNoFrame) {
  MakePanes({100, 80}, panes::OvPaneFlat);
  Redraw();
  EXPECT_EQ(Row(30), "bg:0-299");
  config.splitterStyle = 1;
  panes->SetSplitterSize(4);
  Redraw();
  EXPECT_EQ(Row(30), "bg:0-99 hi:100 face:101-102 sh:103 bg:104-299");
}

TEST_F(PaintRedraw, AtTwiceTheResolutionEveryFrameLineIsTwoPixelsThick) {
  panes->SetScreen(host::Screen(192, 192));
  MakePanes({100, 80});
  Redraw();
  EXPECT_EQ(Row(30),
            "sh:0-1 dk:2-3 bg:4-95 lt:96-97 hi:98-99 bg:100-102 sh:103-104 dk:105-106 bg:107-295 "
            "lt:296-297 hi:298-299");
  EXPECT_EQ(Column(50), "sh:0-1 dk:2-3 bg:4-55 lt:56-57 hi:58-59");
}

TEST_F(PaintRedraw, TheFocusedBarShowsADottedMarkOverItsWholeExtent) {
  MakePanes({100, 80, 50}, panes::OvPaneFlat);
  focusedBar = 1;
  Redraw();
  // The second bar is x 183 to 185: its outline, every other pixel inverted.
  EXPECT_EQ(Row(31), "bg:0-182 FF55FF:183 bg:184 FF55FF:185 bg:186-299");
  EXPECT_EQ(Row(30), "bg:0-299");
  EXPECT_EQ(Column(184), "FF55FF:0 bg:1-59");
}

// Two panes of 40 and the rest: rows 0, 2 and 30. Without the offset the frames lie under
// the border, which is drawn last.
TEST_F(PaintRedraw, TheBorderFollowsBorderStyleAndAppearanceAndCoversThePaneFramesItMeets) {
  Resize(100, 60);
  struct Case {
    int32_t borderStyle, appearance;
    int16_t offset;
    int32_t paneAppearance;
    std::vector<std::string> rows;
  } cases[] = {
      {0, 1, 0, panes::OvPaneFlat, {"bg:0-99", "bg:0-99", "bg:0-99"}},
      {0, 0, 0, panes::OvPaneFlat, {"bg:0-99", "bg:0-99", "bg:0-99"}},
      {1, 1, 2, panes::OvPaneFlat, {"sh:0-98 hi:99", "sh:0 dk:1 bg:2-97 lt:98 hi:99", "sh:0 dk:1 bg:2-97 lt:98 hi:99"}},
      {1, 0, 1, panes::OvPaneFlat, {"black:0-99", "black:0 bg:1-98 black:99", "black:0 bg:1-98 black:99"}},
      {1,
       1,
       2,
       panes::OvPane3D,
       {"sh:0-98 hi:99", "sh:0 dk:1 sh:2-40 hi:41 bg:42-44 sh:45-96 hi:97 lt:98 hi:99",
        "sh:0 dk:1 sh:2 dk:3 bg:4-39 lt:40 hi:41 bg:42-44 sh:45 dk:46 bg:47-95 lt:96 hi:97 lt:98 hi:99"}},
      {1,
       0,
       0,
       panes::OvPane3D,
       {"black:0-99", "black:0 dk:1 bg:2-37 lt:38 hi:39 bg:40-42 sh:43 dk:44 bg:45-97 lt:98 black:99",
        "black:0 dk:1 bg:2-37 lt:38 hi:39 bg:40-42 sh:43 dk:44 bg:45-97 lt:98 black:99"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "BorderStyle " << c.borderStyle << " Appearance " << c.appearance
                                    << " pane Appearance " << c.paneAppearance);
    panes->Clear();
    config.borderStyle = c.borderStyle;
    config.appearance = c.appearance;
    config.borderOffset = c.offset;
    MakePanes({40, 40}, c.paneAppearance);
    Redraw();
    EXPECT_EQ((std::vector<std::string>{Row(0), Row(2), Row(30)}), c.rows);
  }
}

TEST_F(PaintRedraw, SystemBackColorIsLookedUp) {
  gdi.SetSysColor(5, colors::kFace);
  config.backColor = 0x80000005;
  MakePanes({100}, panes::OvPaneFlat);
  Redraw();
  EXPECT_EQ(Row(10), "face:0-299");
}

TEST_F(PaintRedraw, PaneNamesOnlyInDesignMode) {
  MakePanes({100, 80});
  panes->Items()[0]->SetName(u"Left");
  panes->Items()[1]->SetName(u"Right");
  panes->Items()[1]->SetAppearance(panes::OvPaneFlat);
  Redraw();
  EXPECT_TRUE(gdi.Texts().empty());

  designMode = true;
  gdi.SetBkColor(screen, host::gdi::Rgb(1, 2, 3));
  Redraw();
  ASSERT_EQ(gdi.Texts().size(), 2u);
  const auto& first = gdi.Texts()[0];
  EXPECT_EQ(first.text, u"Left");
  EXPECT_EQ(first.dc, painter.MemoryDC());
  EXPECT_EQ(first.rect, (host::GdiRect{1, 1, 98, 58}));
  EXPECT_EQ(first.format, 0x40025u);  // single line, centred both ways, word ellipsis
  EXPECT_EQ(first.textColor, colors::kText);
  EXPECT_EQ(first.backColor, host::gdi::Rgb(1, 2, 3));
  EXPECT_EQ(first.backMode, host::gdi::kTransparent);
  EXPECT_EQ(first.font, font);
  EXPECT_EQ(first.fontHeight, 13);
  EXPECT_EQ(gdi.Texts()[1].text, u"Right");  // a flat pane's name too
  EXPECT_EQ(gdi.Texts()[1].rect, (host::GdiRect{104, 1, 298, 58}));
  EXPECT_EQ(Row(10), "sh:0 dk:1 bg:2-97 lt:98 hi:99 bg:100-299");  // text paints no pixels here
}

TEST_F(PaintRedraw, OneTransferPerRepaintAndOnlyTheKeptPictureStays) {
  // Every kind of line: a flat border round sunken pane frames and round bars, and the names.
  const auto baseline = gdi.LiveObjectCount();
  config.borderStyle = 1;
  config.appearance = 0;
  config.borderOffset = 1;
  config.splitterStyle = 1;
  designMode = true;
  MakePanes({100, 50, 80});
  for (int repaint = 1; repaint <= 2; ++repaint) {
    Redraw();
    EXPECT_EQ(gdi.BlitCount(screen), repaint);
    EXPECT_EQ(gdi.LiveObjectCount(), baseline + 2);  // the memory DC and its bitmap
  }
  EXPECT_EQ(gdi.BlitCount(painter.MemoryDC()), 0);
  painter.FreeMemoryDc();
  EXPECT_EQ(gdi.LiveObjectCount(), baseline);
}

TEST_F(PaintRedraw, PictureTakesTheRoundedClientSize) {
  MakePanes({100});
  for (auto [scale, pixels] : {std::pair{300.5f, 300}, {301.5f, 302}, {299.4f, 299}}) {
    auto request = Request();
    request.scaleWidth = scale;
    painter.Redraw(request);
    EXPECT_EQ(gdi.Raster(painter.MemoryDC())->Width(), pixels) << scale;
  }
}

TEST_F(PaintRedraw, FaceNameLongerThan32CharactersFailsAndLeaksNothing) {
  const auto baseline = gdi.LiveObjectCount();
  designMode = true;
  MakePanes({100});
  font.name = std::u16string(33, u'x');
  EXPECT_OV_ERROR(Redraw(), host::err::kSubscriptOutOfRange, "Subscript out of range");
  font.name = std::u16string(32, u'x');
  EXPECT_NO_THROW(Redraw());
  painter.FreeMemoryDc();
  EXPECT_EQ(gdi.LiveObjectCount(), baseline);
}

}  // namespace
