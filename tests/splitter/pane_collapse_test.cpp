// Collapsing panes on the control: the gestures that do it, the event that follows, the bound
// control that hides, and what a save keeps of the layouts beyond the last pane's.
#include <gtest/gtest.h>

#include "sim/sim_property_bag.h"
#include "tests/support/error_matchers.h"
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
  panes::OvPane& Pane(int position) { return *control.Panes()->Items()[position - 1]; }
  void PointAt(float x) {
    int16_t button = 0, shift = 0;
    float y = 50;
    control.MouseMove(button, shift, x, y);
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
  PointAt(101);  // the first bar: the pane after it is the collapsible one
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

TEST_F(Collapse, ASaveKeepsTheLayoutsAndACollapsedPaneComesBackAtItsSize) {
  host::sim::SimPropertyBag plain;
  control.WriteProperties(plain);
  for (const char16_t* key : {u"ResizeMode", u"PaneMaximum1", u"PaneFixed1", u"PaneCollapsible1", u"PaneCollapsed2"})
    EXPECT_FALSE(plain.Contains(key));
  EXPECT_OV_ERROR(control.SetResizeMode(2), host::err::kOutOfRange,
                  "ResizeMode must be OvResizeLast (0) or OvResizeProportional (1).");
  control.SetResizeMode(panes::OvResizeProportional);
  Pane(1).SetFixed(true);
  Pane(3).SetMaximum(3000);
  Pane(2).SetCollapsed(true);
  EXPECT_EQ(control.RecordVersion(), 2);
  host::sim::SimPropertyBag saved;
  control.WriteProperties(saved);

  host::sim::SimPlatform other;
  other.ambient.SetUserMode(true);
  other.surface.SetScaleSize(400, 300);
  splitter::OvSplitter loaded{other.Site()};
  loaded.Initialize();
  loaded.ReadProperties(saved);
  loaded.Resize();
  auto& panes = *loaded.Panes();
  EXPECT_EQ(loaded.ResizeMode(), panes::OvResizeProportional);
  EXPECT_TRUE(panes.Items()[0]->Fixed());
  EXPECT_EQ(panes.Items()[2]->Maximum(), 3000);
  EXPECT_TRUE(panes.Items()[1]->Collapsed());
  // Past its maximum: no other pane can take the room.
  EXPECT_EQ(panes.Items()[2]->ExtentPixels(panes::Dimension::X), 294);
  panes.Items()[1]->SetCollapsed(false);
  EXPECT_EQ(panes.Items()[1]->ExtentPixels(panes::Dimension::X), 100);
  EXPECT_EQ(panes.Items()[2]->ExtentPixels(panes::Dimension::X), 194);
  loaded.Terminate();
}

}  // namespace
