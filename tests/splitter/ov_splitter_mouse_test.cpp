// The control's mouse handling on the simulated platform: the splitter cursors, the capture
// states with the hook, the drag from press to release, and the hooked mouse messages.
#include <gtest/gtest.h>

#include "sim/sim_parent_object.h"
#include "sim/sim_picture.h"
#include "sim/sim_property_bag.h"
#include "tests/support/run_time_control.h"

namespace {

using Lines = std::vector<std::string>;
constexpr uint32_t kWmMouseMove = 512, kWmLButtonDown = 513, kWmLButtonUp = 514;

host::LParam Point(int x, int y) {
  return static_cast<host::LParam>((static_cast<uint32_t>(y & 0xFFFF) << 16) | (x & 0xFFFF));
}

// Two flat panes of 100 and the rest in a 400 x 300 control at run time.
class Mouse : public testing_support::RunTimeControl {
 protected:
  void SetUp() override { MakePanes({100}); }
  bool Hooked() const { return platform.subclassing.HasSharedProcedure(control.Hwnd()); }
  host::WindowHandle Captured() { return platform.pointer.GetCapture(); }
};

std::string Icon(const host::sim::SimPlatform& platform) {
  return host::sim::SimPicture::Describe(platform.surface.MouseIcon());
}

TEST_F(Mouse, OverABarTheSplitterCursorShowsOnceAndOffItTheStoredPointerComesBack) {
  control.SetMousePointer(2);
  Move(0, 101, 50);
  EXPECT_EQ(platform.surface.MousePointer(), 99);
  EXPECT_EQ(control.MousePointer(), 99);    // the property reads the pointer that shows
  EXPECT_EQ(Icon(platform), "cursor 121");  // left-right over the vertical bar of a row
  host::sim::SimPropertyBag saved;
  control.WriteProperties(saved);
  EXPECT_TRUE(VariantEquals(saved.Value(u"MousePointer"), host::Variant(int32_t{2})));  // the value given
  platform.trace.Clear();
  Move(0, 104, 250);  // along the bar: nothing about the cursor changes
  for (const std::string& line : platform.trace.Lines()) EXPECT_NE(line.rfind("Mouse", 0), 0u) << line;
  Move(0, 50, 50);
  EXPECT_EQ(platform.surface.MousePointer(), 2);
  EXPECT_EQ(control.MousePointer(), 2);
  EXPECT_EQ(Icon(platform), "Nothing");

  control.SetOrientation(1);  // a column: equal shares, the bar at 148
  Move(0, 50, 149);
  EXPECT_EQ(Icon(platform), "cursor 120");
  Move(0, 50, 10);
  auto custom = host::sim::SimPicture::Make(host::PictureType::Icon, "own splitter cursor");
  control.SetSplitterMouseIcon(custom);
  Move(0, 50, 149);
  EXPECT_EQ(Icon(platform), "own splitter cursor");
}

TEST_F(Mouse, CaptureAndHookFollowThePointerOverTheControl) {
  const host::WindowHandle hwnd = control.Hwnd();
  Move(0, 101, 50);  // over a bar: taken and kept
  EXPECT_EQ(Captured(), hwnd);
  EXPECT_TRUE(Hooked());
  Move(0, 101, 60);
  EXPECT_EQ(Captured(), hwnd);
  Move(0, 50, 50);  // over a pane: let go
  EXPECT_EQ(Captured(), 0u);
  EXPECT_FALSE(Hooked());
  Move(0, 50, 60);  // taken again by the next move, let go by the one after
  EXPECT_EQ(Captured(), hwnd);
  Move(0, 101, 60);
  Move(0, 401, 60);  // outside the control, no button: released
  EXPECT_EQ(Captured(), 0u);
  EXPECT_FALSE(Hooked());
  EXPECT_EQ(platform.events.Names(), (std::vector<host::String>(6, u"MouseMove")));
}

TEST_F(Mouse, DraggingABarResizesThePairOnceAtTheRelease) {
  std::vector<std::string> seen;
  platform.events.SetHandler([&](const host::EventId& event, std::span<host::Variant> arguments) {
    std::string line = host::ToUtf8(event.name);
    if (event.name == u"SplitterResize")
      for (auto& pane : arguments)
        line += " " + host::ToUtf8(std::dynamic_pointer_cast<panes::OvPane>(pane.AsObject())->Name());
    else
      line += " " + std::to_string(arguments[0].ToLong());
    seen.push_back(line);
  });
  Move(0, 101, 50);
  Down(1, 101, 50);
  EXPECT_TRUE(control.Panes()->Bar().Dragging());
  Move(1, 150, 70);
  Move(1, 160, 400);  // below the control: the button holds the capture
  EXPECT_EQ(Captured(), control.Hwnd());
  EXPECT_EQ(Width(1), 100);  // nothing moves before the release
  Up(1, 160, 400);
  EXPECT_EQ(Width(1), 160);
  EXPECT_EQ(Width(2), 400 - 160 - 3);  // the pair keeps its total
  EXPECT_TRUE(platform.pointer.Inverted().empty());
  EXPECT_EQ(seen, (Lines{"MouseMove 0", "MouseDown 1", "MouseMove 1", "MouseMove 1", "SplitterResize Pane 1 Pane 2",
                         "MouseUp 1"}));
  EXPECT_EQ(control.HotPane()->Index(), 1);  // until the next move without a button
  Move(0, 300, 70);
  EXPECT_EQ(control.HotPane(), nullptr);
}

TEST_F(Mouse, OnlyTheLeftButtonAloneStartsADrag) {
  for (int16_t button : {2, 3, 4}) {
    Move(0, 101, 50);
    Down(button, 101, 50);
    EXPECT_FALSE(control.Panes()->Bar().Dragging()) << button;
    Up(button, 101, 50);
  }
  // A left press on a pane takes the capture but drags nothing; the release redraws nothing.
  Move(0, 50, 50);
  const int repaints = platform.gdi.BlitCount(platform.surface.Hdc());
  Down(1, 50, 50);
  EXPECT_EQ(Captured(), control.Hwnd());
  EXPECT_FALSE(control.Panes()->Bar().Dragging());
  Up(1, 50, 50);
  EXPECT_EQ(platform.gdi.BlitCount(platform.surface.Hdc()), repaints);
  EXPECT_EQ(platform.events.Names().back(), u"MouseUp");
}

TEST_F(Mouse, EscapeOrALostCaptureEndsTheDragWithNothingChangedAndTheNextDragWorks) {
  for (bool lostCapture : {false, true}) {
    SCOPED_TRACE(lostCapture ? "lost capture" : "escape");
    Move(0, 101, 50);
    Down(1, 101, 50);
    Move(1, 150, 50);
    if (lostCapture) {
      platform.pointer.StealCapture(0x77);
      control.CancelDrag();
    } else {
      platform.pointer.PressKey(host::vk::kEscape, true);
      Move(1, 160, 50);
      platform.pointer.PressKey(host::vk::kEscape, false);
    }
    EXPECT_TRUE(platform.pointer.Inverted().empty());
    platform.events.Clear();
    Up(1, 160, 50);
    EXPECT_EQ(Width(1), 100);
    EXPECT_EQ(platform.events.Names(), (std::vector<host::String>{u"MouseUp"}));
  }
  Move(0, 101, 50);
  Down(1, 101, 50);
  Move(1, 130, 50);
  Up(1, 130, 50);
  EXPECT_EQ(Width(1), 130);
}

TEST_F(Mouse, APressOnABarOfAnInactiveFormBringsItsOutermostWindowForward) {
  auto form = std::make_shared<host::sim::SimParentObject>(0x500);
  platform.extender.SetParent(std::make_shared<host::sim::SimParentObject>(0x400, form));
  platform.pointer.SetActiveWindow(0x999);
  Move(0, 101, 50);
  Down(1, 101, 50);
  EXPECT_EQ(platform.pointer.GetActiveWindow(), 0x500u);
  Up(1, 101, 50);
  // Already active: nothing is asked of the window system.
  platform.trace.Clear();
  Move(0, 101, 50);
  Down(1, 101, 50);
  EXPECT_EQ(std::count(platform.trace.Lines().begin(), platform.trace.Lines().end(), "SetForegroundWindow 1280"), 0);
  Up(1, 101, 50);
}

// The hook road: with the mouse messages registered, the window's own procedure never sees
// them while the control holds the capture; they arrive as the handlers' calls.
class HookedMouse : public Mouse {
 protected:
  void SetUp() override {
    Mouse::SetUp();
    platform.controlWindowProcedure = [this](host::WindowHandle, uint32_t message, host::WParam, host::LParam) {
      ownProcedureSaw.push_back(message);
      return host::MessageResult{0};
    };
    control.RegisterHookedMouseMessages();
    platform.events.SetHandler([this](const host::EventId& event, std::span<host::Variant> a) {
      if (a.size() != 4) return raised.push_back(host::ToUtf8(event.name));
      raised.push_back(host::ToUtf8(event.name) + " " + std::to_string(a[0].ToLong()) + " " +
                       std::to_string(a[1].ToLong()) + " " + std::to_string(a[2].ToLong()) + " " +
                       std::to_string(a[3].ToLong()));
    });
  }
  host::MessageResult Send(uint32_t message, host::WParam flags, host::LParam point) {
    return platform.subclassing.SendMessage(control.Hwnd(), message, flags, point);
  }
  std::vector<uint32_t> ownProcedureSaw;
  Lines raised;
};

TEST_F(HookedMouse, ADragThroughTheHookDecodesButtonsShiftAndSignedCoordinates) {
  Move(0, 101, 50);  // the host's first move takes the capture and switches the hook on
  ASSERT_TRUE(Hooked());
  raised.clear();
  platform.pointer.PressKey(host::vk::kLeftAlt, true);
  Send(kWmLButtonDown, 1 | 8, Point(101, 50));
  Send(kWmMouseMove, 1 | 4 | 16, Point(-1, 65535));
  Send(kWmMouseMove, 1, Point(140, 20));
  Send(kWmLButtonUp, 0, Point(140, 20));
  // Ctrl and the left Alt on the press; Shift, Alt and the middle button on the move, left
  // of and above the control.
  EXPECT_EQ(raised, (Lines{"MouseDown 1 6 101 50", "MouseMove 17 5 -1 -1", "MouseMove 1 4 140 20", "SplitterResize",
                           "MouseUp 1 4 140 20"}));
  EXPECT_EQ(Width(1), 140);
  EXPECT_TRUE(ownProcedureSaw.empty());
  // Other messages pass through to the window's own procedure.
  Send(0x0100, 0, 0);
  EXPECT_EQ(ownProcedureSaw, (std::vector<uint32_t>{0x0100}));
}

TEST_F(HookedMouse, WhenTheControlGoesTheWindowGetsItsOwnProcedureBackAndThePanesAreReleased) {
  Move(0, 101, 50);
  ASSERT_TRUE(Hooked());
  std::weak_ptr<panes::OvPanes> panes = control.Panes();
  control.Terminate();
  EXPECT_FALSE(Hooked());
  EXPECT_TRUE(platform.subclassing.Properties(control.Hwnd()).empty());
  EXPECT_EQ(Captured(), 0u);
  platform.events.Clear();  // recorded events hold panes
  EXPECT_TRUE(panes.expired());
}

}  // namespace
