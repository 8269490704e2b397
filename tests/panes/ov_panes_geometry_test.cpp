// Where panes lie and how they follow the inner size and orientation.
#include <gtest/gtest.h>

#include "tests/support/error_matchers.h"
#include "tests/support/pane_fixture.h"

namespace {

using host::Variant;
namespace err = host::err;
using Geometry = testing_support::PaneFixture;
using Strings = std::vector<std::string>;

class TwoPanes : public Geometry {
 protected:
  void SetUp() override {
    Geometry::SetUp();
    panes->SetBorderOffset(2);
    first = panes->Add();
    second = panes->Add();
    first->SetExtentPixels(panes::Dimension::X, 100);
    second->SetExtentPixels(panes::Dimension::X, 50);
    events.log.clear();
  }
  panes::PanePtr first, second;
};

TEST_F(TwoPanes, PositionsFollowEveryChangeOfAnExtentOrTheBar) {
  EXPECT_EQ(panes->Layout().spans[1].start, 106);
  first->SetExtentPixels(panes::Dimension::X, 60);
  EXPECT_EQ(panes->Layout().spans[1].start, 66);
  panes->SetSplitterSize(10);
  EXPECT_EQ(panes->Layout().spans[1].start, 72);
}

TEST_F(TwoPanes, SetBoundsFitsOnlyTheLastPane) {
  panes->SetBounds(300, 200);
  EXPECT_EQ(second->ExtentPixels(panes::Dimension::X), 196);
  panes->SetBounds(110, 200);
  EXPECT_EQ(second->ExtentPixels(panes::Dimension::X), 10);  // its minimum: the panes run past the edge
  EXPECT_EQ(first->ExtentPixels(panes::Dimension::X), 100);
  EXPECT_TRUE(events.log.empty());
}

TEST_F(Geometry, AGivenExtentSizesOnlyThePaneAddedWithIt) {
  EXPECT_EQ(panes->AddSized(77)->ExtentPixels(panes::Dimension::X), 77);
  EXPECT_EQ(panes->AddSized(5, 0)->ExtentPixels(panes::Dimension::X), 5);  // its minimum first
  EXPECT_OV_ERROR(panes->AddSized(5), err::kBelowMinimum, "Width cannot be less than Min.");
}

TEST_F(Geometry, OrientationChangeGivesEqualSharesAndStopsAtTheFirstPaneBelowItsMinimum) {
  Configure(0, 400, 300, 3);
  for (int i = 0; i < 3; ++i) panes->Add();
  panes->SetOrientation(1);
  for (const auto& pane : panes->Items()) {
    EXPECT_EQ(pane->ExtentPixels(panes::Dimension::Y), 98);  // (300 - 2*3) / 3
    EXPECT_EQ(pane->ExtentPixels(panes::Dimension::X), 400);
  }
  panes->SetOrientation(5);  // any non-zero value stacks the panes
  EXPECT_FALSE(panes->GetAxis().IsHorizontal());
  panes->SetOrientation(0);
  panes->Items()[1]->SetMinimum(90 * 15);
  panes->SetBounds(400, 240);
  const int32_t across = panes->Items()[1]->ExtentPixels(panes::Dimension::Y);
  EXPECT_OV_ERROR(panes->SetOrientation(1), err::kBelowMinimum, "Height cannot be less than Min.");
  EXPECT_EQ(panes->Items()[0]->ExtentPixels(panes::Dimension::Y), 78);      // (240 - 6) / 3
  EXPECT_EQ(panes->Items()[1]->ExtentPixels(panes::Dimension::Y), across);  // untouched
}

TEST_F(Geometry, FirstPaneOfANewControlRaisesSplitterResizedWithNothing) {
  Configure(1, 320, 240);
  panes->AddFirstPane();
  EXPECT_EQ(panes->Items()[0]->ExtentPixels(panes::Dimension::Y), 240);
  EXPECT_EQ(panes->Items()[0]->ExtentPixels(panes::Dimension::X), -1);
  EXPECT_EQ(events.log, (Strings{"PaneAdded Pane 1", "SplitterResized Pane 1 Nothing"}));
  EXPECT_EQ(panes->Add()->ExtentPixels(panes::Dimension::Y), 118);  // the initial extent is not kept
}

TEST_F(Geometry, SumsBeyondTheLongRangeOverflow) {
  auto first = panes->Add();
  panes->Add();
  first->SetExtentPixels(panes::Dimension::X, INT32_MAX);
  EXPECT_OV_ERROR(panes->Relayout(false), err::kOverflow, "Overflow");
}

}  // namespace
