// Collapsing panes on the control: the gestures that do it, the event that follows and the
// bound control that hides. (What a save keeps of them is the persistence test's.)
#include <gtest/gtest.h>

#include "tests/support/run_time_control.h"

namespace {

namespace vk = host::vk;

// Three flat panes of 100, 100 and the rest at run time; the second is collapsible and
// bound to a windowed list.
class Collapse : public testing_support::RunTimeControl {
 protected:
  void SetUp() override {
    platform.containedControls.AddWindowed(u"list1", 0x3000);
    MakePanes({100, 100});
    Pane(2).SetControlName(u"list1");
    Pane(2).SetCollapsible(true);
    platform.events.Clear();
  }
  std::vector<host::String> Collapses() const {
    std::vector<host::String> panes;
    for (const auto& event : platform.events.Events())
      if (event.name == u"PaneCollapsedChanged")
        panes.push_back(std::dynamic_pointer_cast<panes::OvPane>(event.arguments.at(0).AsObject())->Name());
    return panes;
  }
};

TEST_F(Collapse, EachGestureTogglesOnceRaisesItsEventAndHidesTheBoundControl) {
  Move(0, 101);  // the first bar: the pane after it is the collapsible one
  control.DblClick();
  EXPECT_TRUE(Pane(2).Collapsed());
  EXPECT_EQ(Width(1), 200);
  EXPECT_TRUE(platform.windows.Hidden().contains(0x3000));
  EXPECT_TRUE(control.Accessible().States(3).collapsed);  // the second pane, after the first bar
  control.DblClick();
  EXPECT_FALSE(Pane(2).Collapsed());
  EXPECT_EQ(Width(1), 100);
  EXPECT_FALSE(platform.windows.Hidden().contains(0x3000));
  // Enter on a focused bar, with keyboard operation on; the last bar too borders the pane.
  control.SetSplitterKeyboard(true);
  control.FocusIn();
  EXPECT_EQ(control.KeyDown(vk::kTab, false), splitter::BarKey::Handled);
  EXPECT_TRUE(control.WantsEnter());
  EXPECT_EQ(control.KeyDown(vk::kReturn, false), splitter::BarKey::Toggle);
  EXPECT_EQ(Width(3), 294);  // 194 and the collapsed pane's 100
  EXPECT_EQ(Collapses(), (std::vector<host::String>{u"Pane 2", u"Pane 2", u"Pane 2"}));
  // Neither gesture reaches a bar without a collapsible pane beside it, nor a designer.
  Pane(2).SetCollapsible(false);
  EXPECT_FALSE(control.WantsEnter());
  EXPECT_EQ(control.KeyDown(vk::kReturn, false), splitter::BarKey::Ignored);
  Pane(2).SetCollapsible(true);
  platform.ambient.SetUserMode(false);
  control.DblClick();
  EXPECT_EQ(Collapses().size(), 3u);
}

}  // namespace
