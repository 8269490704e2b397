// Live drags on the simulated platform: the pair follows every move, painted once and its
// bound controls moved in one batch, with the release and Esc as a feedback drag has them.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/support/run_time_control.h"

namespace {

// Three flat panes of 100, 100 and the rest in a 400 x 300 control at run time; the
// second is bound to a windowed control.
class LiveDrag : public testing_support::RunTimeControl {
 protected:
  void SetUp() override {
    platform.containedControls.AddWindowed(u"list1", 0x3000);
    MakePanes({100, 100});
    Pane(2).SetControlName(u"list1");
  }
  size_t Count(const std::string& what) const {
    const auto& lines = platform.trace.Lines();
    return static_cast<size_t>(
        std::count_if(lines.begin(), lines.end(), [&](const std::string& line) { return line.rfind(what, 0) == 0; }));
  }
  size_t Resizes() const { return std::ranges::count(platform.events.Names(), host::String(u"SplitterResize")); }
};

// The feedback drag's release is the mouse test's; a live one ends the same.
TEST_F(LiveDrag, ThePairFollowsEveryMoveAndTheReleaseGivesWhatAFeedbackDragWould) {
  control.SetLiveDrag(true);
  Move(0, 101);
  Down(1, 101);
  platform.trace.Clear();
  platform.events.Clear();
  Move(1, 150);
  EXPECT_EQ(Width(1), 150);
  EXPECT_TRUE(platform.pointer.Inverted().empty());
  // A frame: one batch of moves for the bound list; no event before the release.
  EXPECT_EQ(Count("BeginMoves"), 1u);
  EXPECT_EQ(Count("MoveWindow 12288"), 1u);
  EXPECT_EQ(Resizes(), 0u);
  Move(1, 170);
  Up(1, 170);
  EXPECT_EQ(std::pair(Width(1), Width(2)), std::pair(170, 30));
  EXPECT_EQ(Resizes(), 1u);
}

TEST_F(LiveDrag, EscGivesThePairBackTheExtentsOfThePressAndAKeyMoveIsLiveToo) {
  control.SetLiveDrag(true);
  Move(0, 101);
  Down(1, 101);
  Move(1, 60);
  EXPECT_EQ(Width(1), 60);
  control.CancelDrag();
  EXPECT_EQ(std::pair(Width(1), Width(2)), std::pair(100, 100));
  Up(1, 60);

  control.SetSplitterKeyboard(true);
  control.FocusIn();
  control.KeyDown(host::vk::kRight, true);
  EXPECT_EQ(Width(1), 110);
  control.KeyDown(host::vk::kEscape, false);
  EXPECT_EQ(Width(1), 100);
}

}  // namespace
