// A new control instance on the simulated platform: its one pane without a place, and its
// units. (Its defaults are what a save of it leaves out.)
#include <gtest/gtest.h>

#include "tests/support/run_time_control.h"

namespace {

struct NewInstance : ::testing::Test, testing_support::ControlInstance {};

TEST_F(NewInstance, ExtenderWithoutPositionDoesNotStopCreation) {
  platform.extender.RemoveLeft();
  control.InitProperties();
  ASSERT_EQ(Panes().Count(), 1);
  // Without bounds the pane takes the inner width handed over before them.
  EXPECT_EQ(Width(1), 400);
}

TEST_F(NewInstance, UnitsPerPixelFollowTheAmbientScaleUnits) {
  const std::pair<const char16_t*, int16_t> table[] = {{u"Twip", 15},      {u"Pixel", 1}, {u"Inch", 0},
                                                       {u"User", 1},       {u"Point", 1}, {u"Millimeter", 0},
                                                       {u"Centimeter", 0}, {u"twip", 0},  {u"", 0}};
  for (auto [units, factor] : table) {
    platform.ambient.SetScaleUnits(units);
    control.AmbientChanged(u"ScaleUnits");
    EXPECT_EQ(Panes().GetUnitsPerPixel(), factor) << host::ToUtf8(units);
  }
  platform.ambient.SetScaleUnits(u"Twip");
  control.AmbientChanged(u"scaleunits");  // other letter case: ignored
  EXPECT_EQ(Panes().GetUnitsPerPixel(), 0);
}

}  // namespace
