// The drag of a bar: its range, the feedback on the screen, and the two extents at release.
#include "panes/c_splitter.h"

#include <gtest/gtest.h>

#include "sim/sim_pointer_services.h"
#include "tests/support/error_matchers.h"
#include "tests/support/pane_fixture.h"

namespace {

using host::Variant;
namespace err = host::err;
using Strings = std::vector<std::string>;

// Two flat panes of 100 with a 4-pixel bar in a 204-pixel row, minimums 10, the control's
// client area at (1000, 500) on the screen.
class Drag : public testing_support::PaneFixture {
 protected:
  void SetUp() override {
    PaneFixture::SetUp();
    MakePanes(panes::OvHorizontal);
  }
  void MakePanes(int16_t orientation) {
    panes->Clear();
    Configure(orientation, orientation == panes::OvHorizontal ? 204 : 300,
              orientation == panes::OvHorizontal ? 300 : 204);
    pointer.PlaceClientArea(kWindow, {1000, 500});
    panes->SetParentHwnd(kWindow);
    panes->SetPointerServices(&pointer);
    first = panes->Add();
    second = panes->Add();
    const panes::Dimension along = panes->GetAxis().Along();
    for (auto& pane : {first, second}) {
      pane->SetAppearance(panes::OvPaneFlat);
      pane->SetExtentPixels(along, 100);
    }
    events.log.clear();
  }
  // A whole drag along the axis: press at 102, move to `to`, release.
  void DragTo(float to) {
    const bool horizontal = panes->GetAxis().IsHorizontal();
    panes->SplitterMouseDown(first, horizontal ? 102 : 7, horizontal ? 7 : 102);
    panes->SplitterMouseMove(first, horizontal ? to : 7, horizontal ? 7 : to);
    panes->SplitterMouseUp(first);
  }
  std::pair<int32_t, int32_t> Extents() const {
    const panes::Dimension along = panes->GetAxis().Along();
    return {first->ExtentPixels(along), second->ExtentPixels(along)};
  }

  static constexpr host::WindowHandle kWindow = 0x42;
  host::sim::SimPointerServices pointer;
  panes::PanePtr first, second;
};

struct ReleaseRow {
  float mouse;
  int32_t value;  // where the bar's leading edge ends up
  std::pair<int32_t, int32_t> extents;
};

TEST_F(Drag, ReleaseGivesBothPanesTheirShareOfThePairWithinTheirMinimums) {
  const ReleaseRow rows[] = {{150, 150, {150, 50}},  {60, 60, {60, 140}},       {5, 5, {10, 190}},
                             {196, 196, {190, 10}},  {250, 200, {190, 10}},     {-20, 0, {10, 190}},
                             {100, 100, {100, 100}}, {100.5f, 100, {100, 100}}, {101.5f, 102, {102, 98}}};
  for (int16_t orientation : {panes::OvHorizontal, panes::OvVertical}) {
    for (const ReleaseRow& row : rows) {
      SCOPED_TRACE(testing::Message() << "orientation " << orientation << " mouse " << row.mouse);
      MakePanes(orientation);
      DragTo(row.mouse);
      EXPECT_EQ(panes->Bar().Value(), row.value);
      EXPECT_EQ(Extents(), row.extents);
      // Even a release that changes nothing reports the pair.
      EXPECT_EQ(events.log, (Strings{"SplitterResized Pane 1 Pane 2"}));
      EXPECT_TRUE(pointer.Inverted().empty());
    }
  }
}

TEST_F(Drag, FeedbackFollowsTheMouseInScreenCoordinatesAndLeavesNothingInverted) {
  panes->SplitterMouseDown(first, 102.4f, 7);
  // The first feedback is at the mouse, the bar's size, across the whole inner height.
  EXPECT_EQ(pointer.Inverted(), (std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>>{{1102, 500, 1106, 800}}));
  EXPECT_EQ(panes->Bar().Value(), -1);
  panes->SplitterMouseMove(first, 300, 50);  // clamped to the far end of the pair
  EXPECT_EQ(pointer.Inverted(), (std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>>{{1200, 500, 1204, 800}}));
  panes->SplitterMouseMove(first, 30, 50);
  EXPECT_EQ(pointer.Inverted(), (std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>>{{1030, 500, 1034, 800}}));
  EXPECT_EQ(Extents(), (std::pair<int32_t, int32_t>{100, 100}));  // nothing changes before the release
  panes->SplitterMouseUp(first);
  EXPECT_TRUE(pointer.Inverted().empty());
  EXPECT_FALSE(panes->Bar().Dragging());
}

TEST_F(Drag, WithoutAMoveNothingChangesAndWithoutAPaneWithABarNothingDrags) {
  EXPECT_OV_ERROR(panes->SplitterMouseDown(second, 210, 7), err::kIndexOutOfBounds, "Index out of bounds.");
  panes->SplitterMouseDown(first, 102, 7);
  panes->SplitterMouseUp(first);
  EXPECT_TRUE(events.log.empty());
  panes::PanePtr none;
  panes->SplitterMouseDown(none, 102, 7);
  panes->SplitterMouseMove(first, 150, 7);
  EXPECT_FALSE(panes->Bar().Dragging());
  EXPECT_EQ(panes->Bar().Value(), -1);
  EXPECT_TRUE(pointer.Inverted().empty());
  // A release without a drag still reports the pair, unchanged.
  panes->SplitterMouseUp(first);
  EXPECT_EQ(events.log, (Strings{"SplitterResized Pane 1 Pane 2"}));
  EXPECT_EQ(Extents(), (std::pair<int32_t, int32_t>{100, 100}));
}

TEST_F(Drag, PastTheInnerEdgeANextPaneWithoutMinimumKeepsOnlyTheBarAndOnePixel) {
  panes->SetBounds(150, 300);  // the pair now runs past the inner edge
  second->SetMinimum(0);
  first->SetExtentPixels(panes::Dimension::X, 100);
  second->SetExtentPixels(panes::Dimension::X, 100);
  events.log.clear();
  DragTo(190);
  EXPECT_EQ(Extents(), (std::pair<int32_t, int32_t>{185, 5}));
}

TEST_F(Drag, AReleaseBelowAMinimumFailsAfterTheFeedbackIsGone) {
  // Past the inner edge, onto a next pane without minimum: the first pane would get 5
  // pixels less than its extent, 3 below its minimum.
  panes->SetBounds(150, 300);
  first->SetExtentPixels(panes::Dimension::X, 180);
  first->SetMinimum(15 * 178);
  second->SetMinimum(0);
  second->SetExtentPixels(panes::Dimension::X, 20);
  events.log.clear();
  panes->SplitterMouseDown(first, 182, 7);
  panes->SplitterMouseMove(first, 180, 7);
  EXPECT_OV_ERROR(panes->SplitterMouseUp(first), err::kBelowMinimum, "Width cannot be less than Min.");
  EXPECT_TRUE(pointer.Inverted().empty());
  EXPECT_FALSE(panes->Bar().Dragging());
  EXPECT_TRUE(events.log.empty());
  EXPECT_EQ(Extents(), (std::pair<int32_t, int32_t>{180, 5}));  // the next pane was set first
}

}  // namespace
