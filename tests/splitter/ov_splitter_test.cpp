// The control on the simulated platform: its setters, its reactions to pane changes and
// the placing of bound controls, in the order the platform sees them.
#include <gtest/gtest.h>

#include "sim/sim_picture.h"
#include "tests/support/error_matchers.h"
#include "tests/support/run_time_control.h"

namespace {

using host::Variant;
namespace err = host::err;

class Control : public ::testing::Test, public testing_support::ControlInstance {
 protected:
  void SetUp() override {
    control.InitProperties();
    platform.trace.Clear();
    platform.events.Clear();
  }
  // Flat panes of the given widths, the last one filling the rest.
  void FlatPanes(std::initializer_list<int32_t> widths) {
    while (Panes().Count() < static_cast<int32_t>(widths.size())) Panes().Add();
    int position = 1;
    for (int32_t width : widths) {
      Pane(position).SetAppearance(0);
      Pane(position++).SetExtentPixels(panes::Dimension::X, width);
    }
    platform.trace.Clear();
  }
};

TEST_F(Control, SplitterSizeKeepsItsRangeAndRelaysOut) {
  FlatPanes({100, 200});
  control.SetSplitterSize(1);
  control.SetSplitterSize(32767);
  for (int32_t bad : {0, -1, 32768})
    EXPECT_OV_ERROR(control.SetSplitterSize(bad), err::kOutOfRange, "SplitterSize must be between 1 and 32767.");
  EXPECT_EQ(control.SplitterSize(), 32767);
  control.SetSplitterSize(10);
  EXPECT_EQ(Pane(2).ExtentPixels(panes::Dimension::X), 400 - 110);
  EXPECT_EQ(platform.events.Names().back(), u"SplitterResize");
}

TEST_F(Control, PicturesMustBeIconsAndTheCustomPointerShowsTheIcon) {
  auto bitmap = host::sim::SimPicture::Make(host::PictureType::Bitmap, "bmp");
  auto icon = host::sim::SimPicture::Make(host::PictureType::Icon, "ico");
  EXPECT_OV_ERROR(control.SetMouseIcon(bitmap), err::kInvalidValue,
                  "MouseIcon only accepts a picture of type icon or cursor.");
  EXPECT_OV_ERROR(control.SetSplitterMouseIcon(bitmap), err::kInvalidValue,
                  "SplitterMouseIcon only accepts a picture of type iconor cursor.");
  EXPECT_TRUE(platform.trace.Lines().empty());  // nothing stored, nothing notified
  control.SetMouseIcon(icon);
  EXPECT_EQ(platform.surface.MouseIcon(), nullptr);  // stored, not shown while the pointer is 0
  control.SetMousePointer(99);
  EXPECT_EQ(platform.surface.MouseIcon(), icon);
  control.SetMouseIcon(nullptr);
  control.SetSplitterMouseIcon(nullptr);
  EXPECT_OV_ERROR(control.SetMousePointer(32768), err::kOverflow, "Overflow");
  EXPECT_EQ(control.MousePointer(), 99);
}

TEST_F(Control, SettersCheckBeforeTheyStoreAndNotifyByName) {
  control.SetBackColor(0xFF);
  control.SetEnabled(false);
  control.SetSplitterStyle(1);
  control.SetWhatsThisHelpID(Variant(u"12"));
  EXPECT_OV_ERROR(control.SetWhatsThisHelpID(Variant(u"twelve")), err::kTypeMismatch, "Type mismatch");
  EXPECT_EQ(control.WhatsThisHelpID(), 12);
  EXPECT_OV_ERROR(control.SetResizeMode(2), err::kOutOfRange,
                  "ResizeMode must be OvResizeLast (0) or OvResizeProportional (1).");
  EXPECT_EQ(control.ResizeMode(), panes::OvResizeLast);
  EXPECT_EQ(platform.propertyChanges.Names(),
            (std::vector<host::String>{u"BackColor", u"Enabled", u"SplitterStyle", u"WhatsThisHelpID"}));
}

TEST_F(Control, BorderOffsetFollowsAppearanceAndBorderStyle) {
  control.SetBorderStyle(1);
  EXPECT_EQ(control.BorderOffset(), 2);
  EXPECT_EQ(control.Panes()->ParentExtent(panes::Dimension::X), 396);
  EXPECT_EQ(Pane(1).Left(), 4 * 15);  // the border, then the frame
  control.SetAppearance(0);
  EXPECT_EQ(control.BorderOffset(), 1);
  control.SetBorderStyle(0);
  EXPECT_EQ(control.BorderOffset(), 0);
  EXPECT_OV_ERROR(control.SetAppearance(70000), err::kOverflow, "Overflow");
  EXPECT_EQ(control.Appearance(), 0);  // checked before it is stored
}

TEST_F(Control, WidthChangeIsPassedToTheNeighbour) {
  FlatPanes({100, 200, 300});
  platform.events.Clear();
  Pane(1).SetWidth(150 * 15);
  EXPECT_EQ(Pane(2).ExtentPixels(panes::Dimension::X), 150);
  EXPECT_EQ(platform.events.Names(), (std::vector<host::String>{u"SplitterResize", u"Resize"}));
  EXPECT_EQ(platform.events.Events()[0].arguments[0].AsObject().get(), &Pane(1));

  FlatPanes({100, 200, 300});
  platform.events.Clear();
  Pane(3).SetWidth(250 * 15);
  EXPECT_EQ(Pane(2).ExtentPixels(panes::Dimension::X), 250);
  EXPECT_EQ(platform.events.Events()[0].arguments[0].AsObject().get(), &Pane(2));
  EXPECT_EQ(platform.events.Events()[0].arguments[1].AsObject().get(), &Pane(3));
}

TEST_F(Control, FailedSizeExchangeStopsBeforeTheEvents) {
  FlatPanes({100, 200, 300});
  platform.events.Clear();
  EXPECT_OV_ERROR(Pane(1).SetWidth(295 * 15), err::kBelowMinimum, "Width cannot be less than Min.");
  EXPECT_EQ(Pane(1).ExtentPixels(panes::Dimension::X), 295);
  EXPECT_EQ(Pane(2).ExtentPixels(panes::Dimension::X), 200);
  EXPECT_TRUE(platform.events.Names().empty());
}

TEST_F(Control, OtherPaneChangesRepaintAndReportPanesOnlyInTheDesigner) {
  Pane(1).SetName(u"left");
  Pane(1).SetAppearance(0);
  EXPECT_EQ(platform.events.Names(), (std::vector<host::String>{u"Resize"}));  // the Appearance only
  EXPECT_TRUE(platform.propertyChanges.Names().empty());
  platform.ambient.SetUserMode(false);
  Pane(1).SetTag(Variant(u"t"));
  control.Panes()->Add();
  EXPECT_EQ(platform.propertyChanges.Names(), (std::vector<host::String>{u"Panes", u"Panes"}));
}

TEST_F(Control, BoundControlsArePlacedByCaseInsensitiveName) {
  auto tree = platform.containedControls.AddWindowed(u"Tree1", 0x2001);
  auto first = platform.containedControls.AddWindowless(u"lbl");
  auto second = platform.containedControls.AddWindowless(u"LBL");  // a control array
  FlatPanes({100, 200});
  Pane(1).SetControlName(u"tree1");
  Pane(2).SetControlName(u"Lbl");
  EXPECT_EQ(tree->Bounds(), (host::sim::SimContainedControl::Rectangle{0, 0, 1500, 4500}));
  EXPECT_EQ(platform.windows.Placements().at(0x2001), (host::sim::SimWindowSystem::Placement{0, 0, 100, 300}));
  EXPECT_EQ(first->Bounds(), second->Bounds());
  EXPECT_EQ(first->Bounds()->left, 103 * 15);
  EXPECT_EQ(platform.windows.Placements().size(), 1u);  // windowless ones by Move alone
  EXPECT_GT(first->RefreshCount(), 0);
  EXPECT_EQ(tree->RefreshCount(), 0);

  Pane(1).SetResizeChildControl(false);
  tree->RemoveMember("Move");
  platform.trace.Clear();
  control.Resize();  // a control that cannot be moved does not stop the others
  EXPECT_NE(std::find(platform.trace.Lines().begin(), platform.trace.Lines().end(), "Move lbl 1545 0 4455 4500"),
            platform.trace.Lines().end());
}

TEST_F(Control, ResizeRaisesItsEventBeforeTheControlsMove) {
  platform.containedControls.AddWindowless(u"lbl");
  Pane(1).SetControlName(u"lbl");
  platform.extender.RemoveLeft();
  platform.surface.SetScaleSize(500, 300);
  platform.trace.Clear();
  int blitsBefore = platform.gdi.BlitCount(platform.surface.Hdc());
  int blitsAtResize = -1;
  platform.events.SetHandler([&](const host::EventId& event, std::span<Variant>) {
    if (event == splitter::events::Resize) blitsAtResize = platform.gdi.BlitCount(platform.surface.Hdc());
  });
  control.Resize();
  EXPECT_EQ(blitsAtResize, blitsBefore + 1);  // repainted before Resize is raised
  EXPECT_EQ(Pane(1).ExtentPixels(panes::Dimension::X), 500);
  ASSERT_GE(platform.trace.Lines().size(), 2u);
  EXPECT_EQ(platform.trace.Lines()[0], "Event Resize");
  EXPECT_EQ(platform.trace.Lines()[1].rfind("Move lbl", 0), 0u);
}

TEST_F(Control, ContainedControlNamesEndWithAnEmptyElement) {
  EXPECT_EQ(control.GetContainedControls()->size(), 0u);
  platform.containedControls.AddWindowed(u"A", 1);
  platform.containedControls.AddWindowless(u"B")->RemoveMember("Name");
  EXPECT_FALSE(control.GetContainedControls().has_value());
}

TEST_F(Control, RepaintsWithOneTransferPerChangeOnceReady) {
  host::GdiHandle screen = platform.surface.Hdc();
  int before = platform.gdi.BlitCount(screen);
  control.SetSplitterStyle(1);
  control.Panes()->Add();
  EXPECT_EQ(platform.gdi.BlitCount(screen), before + 2);
  control.Terminate();
  EXPECT_EQ(platform.gdi.LiveObjectCount(), 0);  // the kept memory DC goes with the control
}

}  // namespace
