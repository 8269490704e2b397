// The control at other screen resolutions: its own pixel lengths (bar, grip, frames, a new
// pane's minimum) follow the pixels per inch, saved pixel lengths load at the same physical
// size, and a change of resolution lays the panes out and paints them once.
#include <gtest/gtest.h>

#include "sim/sim_property_bag.h"
#include "tests/support/error_matchers.h"
#include "tests/support/run_time_control.h"

namespace {

using panes::Dimension;

using Control = testing_support::ControlInstance;

TEST(Resolution, TheControlsOwnLengthsFollowThePixelsPerInch) {
  for (auto [ppi, bar, grip, minimum, border] :
       {std::tuple{96, 3, 2, 10, 2}, std::tuple{144, 4, 3, 15, 4}, std::tuple{192, 6, 4, 20, 4}}) {
    SCOPED_TRACE(ppi);
    Control c(ppi);
    c.control.InitProperties();
    EXPECT_EQ(c.control.SplitterSize(), bar);
    EXPECT_EQ(c.control.Panes()->Add()->MinimumPixels(), minimum);
    const int64_t barStart = c.control.Panes()->Layout().spans[0].End();
    EXPECT_TRUE(c.control.Panes()->PaneAtPoint(static_cast<float>(barStart - grip + 1), 5));
    EXPECT_FALSE(c.control.Panes()->PaneAtPoint(static_cast<float>(barStart - grip), 5));
    c.control.SetBorderStyle(splitter::OvFixedSingle);  // a 3D border: two lines
    EXPECT_EQ(c.control.BorderOffset(), border);
  }
}

TEST(Resolution, TheGrabSizeWidensTheGripOnEachSideAtTheResolution) {
  Control c(144);
  c.control.InitProperties();
  c.control.Panes()->Add();
  EXPECT_OV_ERROR(c.control.SetSplitterGrabSize(-1), host::err::kOutOfRange,
                  "SplitterGrabSize must be between 0 and 32767.");
  c.control.SetSplitterGrabSize(4);  // 6 pixels at 144
  const int64_t barStart = c.control.Panes()->Layout().spans[0].End();
  const int64_t barEnd = barStart + c.control.SplitterSize();
  for (auto [at, hit] : {std::pair{barStart - 6, false}, std::pair{barStart - 5, true}, std::pair{barEnd + 5, true},
                         std::pair{barEnd + 6, false}})
    EXPECT_EQ(c.control.Panes()->PaneAtPoint(static_cast<float>(at), 5) != nullptr, hit) << at;
}

TEST(Resolution, SavedPixelLengthsLoadAtTheSamePhysicalSize) {
  host::sim::SimPropertyBag at96;
  {
    Control c(96);
    c.control.InitProperties();
    c.control.Panes()->Add();
    c.control.Panes()->Items()[0]->SetExtentPixels(Dimension::X, 100);
    c.control.WriteProperties(at96);
    EXPECT_FALSE(at96.Contains(u"PixelsPerInch"));
  }
  Control big(192);
  big.control.ReadProperties(at96);
  EXPECT_EQ(big.control.SplitterSize(), 6);
  EXPECT_EQ(big.Width(1), 200);
  // Saved in twips: 150 at the whole 8 twips per pixel that the unit factor keeps for 7.5.
  EXPECT_EQ(big.control.Panes()->Items()[0]->MinimumPixels(), 19);

  host::sim::SimPropertyBag at192;
  big.control.WriteProperties(at192);
  EXPECT_EQ(at192.Value(u"PixelsPerInch").ToLong(), 192);
  EXPECT_EQ(big.control.RecordVersion(), 2);
  Control mid(144);
  mid.control.ReadProperties(at192);
  EXPECT_EQ(mid.control.SplitterSize(), 4);  // 4.5, half to even
  EXPECT_EQ(mid.Width(1), 150);
}

TEST(Resolution, AChangeOfResolutionKeepsThePhysicalLayoutAndPaintsOnce) {
  Control c(96);
  c.control.InitProperties();
  c.control.Panes()->Add();
  c.control.Panes()->Items()[0]->SetExtentPixels(Dimension::X, 100);
  c.control.Panes()->Relayout(false);
  const int paints = c.platform.gdi.BlitCount(c.platform.surface.Hdc());
  c.platform.screen = host::Screen(144, 144);
  c.platform.surface.SetScaleSize(600, 450);
  c.control.ResolutionChanged(96);
  EXPECT_EQ(c.control.SplitterSize(), 4);
  EXPECT_EQ(c.Width(1), 150);
  EXPECT_EQ(c.Width(2), 600 - 150 - 4);
  EXPECT_EQ(c.control.Panes()->Items()[1]->MinimumPixels(), 15);
  EXPECT_EQ(c.platform.gdi.BlitCount(c.platform.surface.Hdc()), paints + 1);
}

}  // namespace
