// Where panes lie, how they follow the inner size and orientation, and the bar hit test.
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
    first->SetWidthPixels(100);
    second->SetWidthPixels(50);
    events.log.clear();
  }
  panes::PanePtr first, second;
};

TEST_F(TwoPanes, PositionsAccumulateExtentsAndBars) {
  EXPECT_EQ(first->GetLeftPixels(), 2);
  EXPECT_EQ(second->GetLeftPixels(), 106);
  EXPECT_EQ(first->GetTopPixels(), 2);
  EXPECT_EQ(second->GetTopPixels(), 2);
  first->SetWidthPixels(60);  // positions follow every change of an extent
  EXPECT_EQ(second->GetLeftPixels(), 66);
  panes->SetSplitterSize(10);
  EXPECT_EQ(second->GetLeftPixels(), 72);
}

TEST_F(TwoPanes, SetBoundsFitsOnlyTheLastPane) {
  panes->SetBounds(0, 0, 300, 200);
  EXPECT_EQ(second->WidthPixels(), 196);
  panes->SetBounds(0, 0, 140, 200);
  EXPECT_EQ(second->WidthPixels(), 36);
  panes->SetBounds(0, 0, 110, 200);
  EXPECT_EQ(second->WidthPixels(), 10);  // its minimum: the panes run past the edge
  EXPECT_EQ(first->WidthPixels(), 100);
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(panes->Bar().Height(), 204);
  EXPECT_EQ(panes->Bar().Width(), 4);
}

TEST_F(TwoPanes, RelayoutRaisesForTheLastTwoPanes) {
  panes->Relayout(true);
  EXPECT_EQ(events.log, (Strings{"SplitterResized Pane 1 Pane 2"}));
  panes->Remove(Variant(int32_t{2}));
  events.log.clear();
  panes->Relayout(true);
  EXPECT_TRUE(events.log.empty());
}

TEST_F(TwoPanes, HitTestReachesTwoPixelsIntoEachNeighbour) {
  panes->SetBorderOffset(0);
  EXPECT_EQ(panes->PaneAtPoint(98, 5), nullptr);
  EXPECT_EQ(panes->PaneAtPoint(99, 5), first);
  EXPECT_EQ(panes->PaneAtPoint(105, 5), first);
  EXPECT_EQ(panes->PaneAtPoint(106, 5), nullptr);
  EXPECT_EQ(panes->PaneAtPoint(150, 5), nullptr);  // the last pane has no bar
}

TEST_F(Geometry, OneNewPaneNeverHitsABar) {
  panes->Add();
  for (float x : {0.f, 200.f, 399.f, 401.f}) EXPECT_EQ(panes->PaneAtPoint(x, 0), nullptr);
}

TEST_F(Geometry, HalvingRoundsToEven) {
  auto first = panes->Add();
  first->SetWidthPixels(205);
  auto second = panes->Add();
  EXPECT_EQ(first->WidthPixels(), 100);  // 201 / 2 = 100.5
  EXPECT_EQ(second->WidthPixels(), 100);
}

TEST_F(Geometry, InitialWidthSizesTheNextPane) {
  panes->SetInitialWidth(77);
  EXPECT_EQ(panes->Add()->WidthPixels(), 77);
  EXPECT_EQ(panes->Add()->WidthPixels(), 77);
  panes->SetInitialWidth(5);
  EXPECT_OV_ERROR(panes->Add(), err::kBelowMinimum, "Width cannot be less than Min.");
}

TEST_F(Geometry, OrientationChangeGivesEqualShares) {
  Configure(0, 400, 300, 3);
  for (int i = 0; i < 3; ++i) panes->Add();
  panes->SetOrientation(1);
  for (const auto& pane : panes->Panes()) {
    EXPECT_EQ(pane->HeightPixels(), 98);  // (300 - 2*3) / 3
    EXPECT_EQ(pane->WidthPixels(), 400);
  }
  EXPECT_EQ(panes->Panes()[2]->GetTopPixels(), 2 * (98 + 3));
  panes->SetBounds(0, 0, 400, 300);
  EXPECT_EQ(panes->Bar().Width(), 400);
  EXPECT_EQ(panes->Bar().Height(), 3);
  panes->SetOrientation(1);  // unchanged: nothing moves
  EXPECT_EQ(panes->Panes()[0]->HeightPixels(), 98);
  panes->SetOrientation(5);  // any non-zero value stacks the panes; the shares are recomputed
  EXPECT_FALSE(panes->IsHorizontal());
}

TEST_F(Geometry, EqualizingStopsAtTheFirstPaneBelowItsMinimum) {
  Configure(0, 400, 300, 3);
  for (int i = 0; i < 3; ++i) panes->Add();
  panes->Panes()[1]->SetMinimum(90 * 15);
  panes->SetBounds(0, 0, 400, 240);
  EXPECT_OV_ERROR(panes->SetOrientation(1), err::kBelowMinimum, "Height cannot be less than Min.");
  EXPECT_EQ(panes->Panes()[0]->HeightPixels(), 78);  // (240 - 6) / 3
  EXPECT_EQ(panes->Panes()[1]->HeightPixels(), -1);  // untouched
}

TEST_F(Geometry, FirstPaneOfANewControlRaisesSplitterResizedWithNothing) {
  Configure(1, 320, 240);
  panes->AddFirstPane();
  EXPECT_EQ(panes->Panes()[0]->HeightPixels(), 240);
  EXPECT_EQ(panes->Panes()[0]->WidthPixels(), -1);
  EXPECT_EQ(events.log, (Strings{"PaneAdded Pane 1", "SplitterResized Pane 1 Nothing"}));
  EXPECT_EQ(panes->Add()->HeightPixels(), 118);  // the initial extent is not kept
}

TEST_F(Geometry, SumsBeyondTheLongRangeOverflow) {
  auto first = panes->Add();
  panes->Add();
  first->SetWidthPixels(INT32_MAX);
  EXPECT_OV_ERROR(panes->Relayout(false), err::kOverflow, "Overflow");
}

}  // namespace
