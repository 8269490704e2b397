// The layouts beyond the last pane's: proportional resizing with fixed panes, maximums and
// collapsed panes, on the collection.
#include <gtest/gtest.h>

#include "tests/support/error_matchers.h"
#include "tests/support/pane_fixture.h"

namespace {

using panes::Dimension;
namespace err = host::err;
using Strings = std::vector<std::string>;

// Three panes of 100, 100 and 192 pixels with 4-pixel bars in 400 pixels.
class ThreePanes : public testing_support::PaneFixture {
 protected:
  void SetUp() override {
    PaneFixture::SetUp();
    for (int32_t extent : {100, 100, 192}) list.push_back(panes->AddSized(extent));
    events.log.clear();
  }
  std::vector<int32_t> Extents() const {
    std::vector<int32_t> extents;
    for (const panes::PanePtr& pane : list) extents.push_back(pane->ExtentPixels(Dimension::X));
    return extents;
  }
  void Drag(int pane, float from, float to) {
    panes::PanePtr before = list[pane - 1];
    panes->SplitterMouseDown(before, from, 5);
    panes->SplitterMouseMove(before, to, 5);
    panes->SplitterMouseUp(before);
  }
  std::vector<panes::PanePtr> list;
};

TEST_F(ThreePanes, ProportionalPanesShareEverySizeAroundAFixedOneAndComeBackFromTiny) {
  panes->SetResizeMode(panes::OvResizeProportional);
  list[0]->SetFixed(true);
  panes->SetBounds(800, 300);
  // 800 - 8 - 100 shared as 100 : 192.
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 237, 455}));
  panes->SetBounds(5, 300);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{10, 10, 10}));
  panes->SetBounds(400, 300);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 100, 192}));
  // A drag is what the panes are asked for from then on.
  Drag(2, 205, 255);  // 151 and 141
  panes->SetBounds(800, 300);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 358, 334}));
}

TEST_F(ThreePanes, AMaximumHoldsAgainstWidthTheNeighbourAndTheDrag) {
  EXPECT_OV_ERROR(list[0]->SetMaximum(-1), err::kOutOfRange, "Maximum must be greater than 0.");
  EXPECT_OV_ERROR(list[0]->SetMaximum(100), err::kInvalidValue, "Maximum must be greater than or equal to Minimum.");
  list[0]->SetMaximum(120 * 15);
  EXPECT_EQ(list[0]->Maximum(), 1800);
  EXPECT_OV_ERROR(list[0]->SetMinimum(2000), err::kInvalidValue, "Minimum must be less than or equal to Maximum.");
  list[0]->SetWidth(300 * 15);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{120, 80, 192}));
  list[0]->SetMaximum(0);
  list[1]->SetMaximum(130 * 15);
  list[0]->SetWidth(40 * 15);  // the neighbour takes no more than 130
  EXPECT_EQ(Extents(), (std::vector<int32_t>{70, 130, 192}));
  list[0]->SetMaximum(90 * 15);
  Drag(1, 71, 200);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{90, 110, 192}));
}

TEST_F(ThreePanes, ACollapsedPaneGivesItsRoomToItsNeighbourAndTakesItBack) {
  list[0]->SetCollapsed(true);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 200, 192}));  // it keeps its extent for its return
  EXPECT_EQ(list[0]->Width(), 0);
  EXPECT_EQ(panes->Layout().spans[1].start, 4);
  list[0]->SetCollapsed(false);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 100, 192}));
  // The last pane gives its room back to the one before it, which fills to the edge.
  list[2]->SetCollapsed(true);
  EXPECT_EQ(Extents(), (std::vector<int32_t>{100, 292, 192}));
  EXPECT_EQ(events.log,
            (Strings{"PaneChanged Pane 1 Collapsed", "PaneChanged Pane 1 Collapsed", "PaneChanged Pane 3 Collapsed"}));
}

TEST_F(ThreePanes, TheBarCollapsesACollapsiblePaneDraggedPastHalfItsMinimumAndDragsItOut) {
  EXPECT_EQ(panes->CollapseTarget(0), nullptr);
  list[1]->SetCollapsible(true);
  list[1]->SetMinimum(40 * 15);
  EXPECT_EQ(panes->CollapseTarget(0), list[1]);  // only the pane after is collapsible
  EXPECT_EQ(panes->CollapseTarget(1), list[1]);
  Drag(1, 101, 175);  // 26 left for the second: above half its minimum, so at its minimum
  EXPECT_EQ(Extents(), (std::vector<int32_t>{160, 40, 192}));
  Drag(1, 161, 185);  // 15: past half of it
  EXPECT_EQ(Extents(), (std::vector<int32_t>{200, 40, 192}));
  EXPECT_TRUE(list[1]->Collapsed());
  Drag(1, 201, 131);  // out again, at what the bar gives it
  EXPECT_FALSE(list[1]->Collapsed());
  EXPECT_EQ(Extents(), (std::vector<int32_t>{131, 69, 192}));
  EXPECT_EQ(std::ranges::count(events.log, std::string("PaneChanged Pane 2 Collapsed")), 2);
  EXPECT_TRUE(panes->ToggleCollapse(1));
  EXPECT_EQ(Extents(), (std::vector<int32_t>{131, 69, 261}));  // across the bar, to the pane after it
}

}  // namespace
