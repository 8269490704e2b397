// The bars by keyboard on the simulated platform: the focus mark's walk, the moves of the
// feedback inside the drag range, Enter and the ways a move is dropped, and the switch.
#include <gtest/gtest.h>

#include "tests/support/error_matchers.h"
#include "tests/support/run_time_control.h"

namespace {

namespace vk = host::vk;
using splitter::BarKey;

// Three flat panes of 100, 100 and the rest in a 400 x 300 control at run time, each at
// least 10 pixels; the bars lie at 100 and 203, the first may travel from 0 to 200.
class Keyboard : public testing_support::RunTimeControl {
 protected:
  void SetUp() override { MakePanes({100, 100}); }
  BarKey Key(int32_t key, bool shift = false) { return control.KeyDown(key, shift); }
  void Keys(std::initializer_list<int32_t> keys) {
    for (int32_t key : keys) Key(key);
  }
  int64_t Feedback(int bar) const { return Panes().BarMovePosition(Pane(bar)); }
  size_t Resizes() const { return std::ranges::count(platform.events.Names(), host::String(u"SplitterResize")); }
};

TEST_F(Keyboard, OffOrInADesignerTheBarsTakeNoKeysAndShowNoMark) {
  control.FocusIn();
  EXPECT_EQ(Key(vk::kRight), BarKey::Ignored);
  EXPECT_EQ(control.FocusedBar(), std::nullopt);
  EXPECT_FALSE(platform.surface.TabStop());
  EXPECT_EQ(Key(vk::kEscape), BarKey::Handled);  // Esc still ends a mouse drag, as before

  platform.ambient.SetUserMode(false);
  control.SetSplitterKeyboard(true);
  EXPECT_TRUE(platform.surface.TabStop());
  EXPECT_EQ(control.FocusedBar(), std::nullopt);
  EXPECT_EQ(Key(vk::kRight), BarKey::Ignored);
  EXPECT_FALSE(control.Panes()->Bar().Dragging());
}

TEST_F(Keyboard, TabAndF6WalkTheBarsAndTabLeavesPastEitherEnd) {
  control.SetSplitterKeyboard(true);
  control.FocusIn();
  EXPECT_EQ(control.FocusedBar(), 0u);
  EXPECT_TRUE(control.WantsTab(false));
  EXPECT_FALSE(control.WantsTab(true));
  EXPECT_EQ(Key(vk::kTab), BarKey::Handled);
  EXPECT_EQ(control.FocusedBar(), 1u);
  EXPECT_FALSE(control.WantsTab(false));
  EXPECT_EQ(Key(vk::kTab), BarKey::LeaveForward);
  control.FocusOut();
  EXPECT_EQ(control.FocusedBar(), std::nullopt);
  control.FocusIn();
  EXPECT_EQ(control.FocusedBar(), 1u);  // the bar last used
  EXPECT_EQ(Key(vk::kTab, true), BarKey::Handled);
  EXPECT_EQ(Key(vk::kTab, true), BarKey::LeaveBackward);
  EXPECT_EQ(Key(vk::kF6), BarKey::Handled);
  EXPECT_EQ(Key(vk::kF6), BarKey::Handled);  // F6 goes round
  EXPECT_EQ(control.FocusedBar(), 0u);
  EXPECT_EQ(Key(vk::kF6, true), BarKey::Handled);
  EXPECT_EQ(control.FocusedBar(), 1u);
  // Assistive tools hear every bar that takes the mark, and only those.
  EXPECT_EQ(platform.accessibility.Lines(),
            (std::vector<std::string>{"Focus 0", "Focus 1", "Focus 1", "Focus 0", "Focus 1", "Focus 0", "Focus 1"}));
}

TEST_F(Keyboard, KeysMoveTheFeedbackInsideTheDragRangeAndEnterAppliesItAsARelease) {
  control.SetSplitterKeyboard(true);
  control.SetSplitterIncrement(4);
  EXPECT_OV_ERROR(control.SetSplitterIncrement(0), host::err::kOutOfRange, "SplitterIncrement must be at least 1.");
  control.FocusIn();
  EXPECT_EQ(Key(vk::kUp), BarKey::Ignored);  // across a row of panes
  EXPECT_EQ(Key(vk::kRight), BarKey::Handled);
  Key(vk::kRight, true);
  EXPECT_EQ(Feedback(1), 100 + 4 + 40);
  Keys({vk::kPageDown, vk::kLeft});
  EXPECT_EQ(Feedback(1), 144 + 40 - 4);
  EXPECT_EQ(Width(1), 100);  // nothing moves before Enter
  Key(vk::kHome);
  EXPECT_EQ(Feedback(1), 0);
  Key(vk::kEnd);
  EXPECT_EQ(Feedback(1), 200);  // the next pane's outer edge less the bar
  Keys({vk::kPageUp, vk::kPageUp});
  EXPECT_EQ(Key(vk::kReturn), BarKey::Apply);
  EXPECT_EQ(Width(1), 120);
  EXPECT_EQ(Width(2), 80);  // the pair keeps its total
  EXPECT_EQ(Resizes(), 1u);
  EXPECT_TRUE(platform.pointer.Inverted().empty());
  EXPECT_EQ(Key(vk::kReturn), BarKey::Ignored);  // no move: Enter is the container's

  Keys({vk::kHome, vk::kReturn});  // as a release at the range's start: the minimum
  EXPECT_EQ(Width(1), 10);
  EXPECT_EQ(Width(2), 190);
}

TEST_F(Keyboard, EscTheFocusLeavingOrAMousePressDropsAMoveWithNothingChanged) {
  control.SetSplitterKeyboard(true);
  control.FocusIn();
  for (int way = 0; way < 3; ++way) {
    SCOPED_TRACE(way);
    Key(vk::kRight, true);
    ASSERT_FALSE(platform.pointer.Inverted().empty());
    if (way == 0) {
      EXPECT_EQ(Key(vk::kEscape), BarKey::Handled);
    }
    if (way == 1) control.FocusOut();
    if (way == 2) {
      Move(0, 204);
      Down(1, 204);
    }
    EXPECT_EQ(platform.pointer.Inverted().size(), way == 2 ? 1u : 0u);  // only the mouse's own feedback
    if (way == 2) Up(1, 204);
    EXPECT_EQ(Width(1), 100);
    EXPECT_EQ(Resizes(), 0u);
    control.FocusIn();
  }
  EXPECT_EQ(control.FocusedBar(), 1u);  // the clicked bar took the mark
  Key(vk::kLeft);
  control.Terminate();  // the form closes during a move
  EXPECT_TRUE(platform.pointer.Inverted().empty());
}

}  // namespace
