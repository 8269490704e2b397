// The bars and panes as an assistive tool reads them from the control on the simulated
// platform, and what the control tells such tools as the panes change.
#include <gtest/gtest.h>

#include "splitter/accessible_tree.h"
#include "tests/support/run_time_control.h"

namespace {

using Lines = std::vector<std::string>;
using splitter::AccessibleRect;
using splitter::AccessibleRole;
using splitter::AccessibleTree;

// A 400 x 300 control without a border, bars 4 pixels.
class Accessible : public ::testing::Test, public testing_support::ControlInstance {
 protected:
  void SetUp() override {
    control.InitProperties();
    control.SetSplitterSize(4);
  }
  // Panes without minimums of the given extents along the axis, the last one filling the
  // rest (the layout reads no frame); the notifications start afresh.
  void Lay(std::initializer_list<int32_t> extents) {
    while (static_cast<size_t>(Panes().Count()) < extents.size()) Panes().AddSized(0, 0);
    int position = 1;
    for (int32_t extent : extents) {
      Pane(position).SetMinimum(0);
      Pane(position++).SetExtentPixels(Panes().GetAxis().Along(), extent);
    }
    control.Resize();
    platform.accessibility.Clear();
  }
  AccessibleTree Tree() const { return control.Accessible(); }
  const Lines& Notified() const { return platform.accessibility.Lines(); }
};

TEST_F(Accessible, ChildrenArePanesAndBarsInTurnNamedAfterThePaneBefore) {
  Lay({100, 150, 0});
  Pane(2).SetName(u"Tree");
  const AccessibleTree tree = Tree();
  ASSERT_EQ(tree.ChildCount(), 5);
  EXPECT_FALSE(tree.IsChild(0));
  EXPECT_FALSE(tree.IsChild(6));
  std::vector<std::pair<AccessibleRole, host::String>> children;
  for (int32_t child = 1; child <= 5; ++child) children.emplace_back(tree.Role(child), tree.Name(child));
  using enum AccessibleRole;
  EXPECT_EQ(children,
            (decltype(children){
                {Pane, u"Pane 1"}, {Separator, u"Pane 1"}, {Pane, u"Tree"}, {Separator, u"Tree"}, {Pane, u"Pane 3"}}));
  EXPECT_EQ(tree.Location(1), (AccessibleRect{0, 0, 100, 300}));
  EXPECT_EQ(tree.Location(2), (AccessibleRect{100, 0, 4, 300}));
  EXPECT_EQ(tree.Location(3), (AccessibleRect{104, 0, 150, 300}));
  EXPECT_EQ(tree.Location(5), (AccessibleRect{258, 0, 142, 300}));  // the last pane reaches the edge
  EXPECT_EQ(tree.Value(3), std::nullopt);
}

TEST_F(Accessible, VerticalRectanglesLieInsideTheBorder) {
  control.SetOrientation(panes::OvVertical);
  control.SetBorderStyle(1);
  control.SetAppearance(1);  // a 2-pixel border
  Lay({100, 0});
  const AccessibleTree tree = Tree();
  EXPECT_EQ(tree.Location(1), (AccessibleRect{2, 2, 396, 100}));
  EXPECT_EQ(tree.Location(2), (AccessibleRect{2, 102, 396, 4}));
  EXPECT_EQ(tree.Location(3), (AccessibleRect{2, 106, 396, 192}));
  EXPECT_EQ(tree.ChildAt(200, 103), 2);
  EXPECT_EQ(tree.ChildAt(200, 297), 3);
  EXPECT_EQ(tree.ChildAt(200, 1), AccessibleTree::kSelf);  // on the border
}

TEST_F(Accessible, ABarsValueIsItsPercentOfTheDragRangeRoundedHalfToEven) {
  // Bar 1 travels 250 pixels or 200: a percent of that, where 0.5 rounds to 0 and 1.5 to 2.
  for (auto [travel, first, value] :
       {std::tuple{250, 1, 0}, {250, 125, 50}, {250, 249, 100}, {200, 1, 0}, {200, 3, 2}, {200, 199, 100}}) {
    Lay({first, travel - first, 0});
    EXPECT_EQ(Tree().Value(2), value) << travel << " " << first;
  }
}

TEST_F(Accessible, OnlyABarWithTheKeyboardIsFocusableAndTheMarkedOneFocused) {
  Lay({100, 100, 0});
  EXPECT_EQ(Tree().States(2), (splitter::AccessibleStates{}));
  EXPECT_EQ(Tree().Focus(), std::nullopt);
  const AccessibleTree keyed(control.Panes().get(), {.keyboardOn = true, .focusedBar = 1});
  EXPECT_EQ(keyed.States(2), (splitter::AccessibleStates{.focusable = true, .focused = false}));
  EXPECT_EQ(keyed.States(4), (splitter::AccessibleStates{.focusable = true, .focused = true}));
  EXPECT_EQ(keyed.States(3), (splitter::AccessibleStates{}));
  EXPECT_EQ(keyed.Focus(), 4);
}

TEST_F(Accessible, ADragNotifiesTheBarsItChangedOnceAtTheRelease) {
  Lay({100, 100, 0});
  Down(1, 101);
  for (float to : {120.f, 150.f}) Move(1, to);
  EXPECT_EQ(Notified(), Lines{});
  Up(1, 150);
  // Bar 2 keeps its place, but its range shrank with pane 2.
  EXPECT_EQ(Notified(), (Lines{"ValueChange 0", "ValueChange 1"}));
  platform.accessibility.Clear();
  Down(1, 152);  // pressed and released without moving
  Up(1, 152);
  EXPECT_EQ(Notified(), Lines{});
}

TEST_F(Accessible, CodeThatResizesPanesNotifiesTheBarsThatChanged) {
  Lay({100, 100, 0});
  // In twips: pane 2 gives what pane 3 gains, bar 2 moves and bar 1's range shrinks.
  Pane(3).SetWidth(150 * 15);
  EXPECT_EQ(Notified(), (Lines{"ValueChange 0", "ValueChange 1"}));
  platform.accessibility.Clear();
  // Bar 1 stays where it was with the same travel; bar 2 moves by 4.
  control.SetSplitterSize(8);
  EXPECT_EQ(Notified(), Lines{"ValueChange 1"});
  platform.accessibility.Clear();
  Pane(1).SetName(u"Renamed");
  EXPECT_EQ(Notified(), Lines{});
}

TEST_F(Accessible, AddingOrRemovingPanesReordersOnce) {
  Lay({100, 0});
  Panes().Add();
  EXPECT_EQ(Notified(), Lines{"Reorder"});
  platform.accessibility.Clear();
  Panes().Remove(host::Variant(int32_t{1}));
  EXPECT_EQ(Notified(), Lines{"Reorder"});
}

}  // namespace
