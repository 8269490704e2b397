#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/error.h"
#include "host/sim/sim_errors.h"
#include "host/sim/sim_parent_object.h"
#include "host/sim/sim_platform.h"
#include "host/sim/sim_property_bag.h"

namespace host::sim {
namespace {

using Lines = std::vector<std::string>;

TEST(SimPropertyBag, LeavesOutValuesEqualToTheirDefaultAsFormLanguagesCompare) {
  SimPropertyBag bag;
  bag.WriteProperty(u"EmptyAsText", Variant(), u"");
  bag.WriteProperty(u"TextAsEmpty", u"", Variant());
  bag.WriteProperty(u"ZeroAsEmpty", int16_t{0}, Variant());
  bag.WriteProperty(u"LongAsInteger", int32_t{3}, int16_t{3});
  bag.WriteProperty(u"Null", Variant::Null(), Variant::Null());  // Null never equals
  bag.WriteProperty(u"DigitsAsNumber", u"0", int16_t{0});         // a text never equals a number
  bag.WriteProperty(u"BorderStyle", int32_t{0}, int32_t{1});

  EXPECT_EQ(bag.Keys(), (std::vector<String>{u"Null", u"DigitsAsNumber", u"BorderStyle"}));
}

TEST(SimPropertyBag, AbsentKeyReadsItsDefaultAndPresentKeyReadsAsStored) {
  SimPropertyBag bag;
  bag.Set(u"SplitterSize", int32_t{7});

  Variant absent = bag.ReadProperty(u"NumPanes", int16_t{0});
  Variant present = bag.ReadProperty(u"SplitterSize", int16_t{3});

  EXPECT_EQ(absent.type(), Variant::Type::Integer);
  EXPECT_EQ(absent.ToLong(), 0);
  EXPECT_EQ(present.type(), Variant::Type::Long);  // not coerced to the default's type
  EXPECT_EQ(present.ToLong(), 7);
  EXPECT_EQ(bag.ReadNames(), (std::vector<String>{u"NumPanes", u"SplitterSize"}));
}

TEST(SimEventRecorder, HandlerWritesReachTheRaiserWhileTheRecordKeepsTheRaisedValues) {
  SimEventRecorder recorder;
  recorder.SetHandler([](const EventId& event, std::span<Variant> arguments) {
    if (event.name == u"OLEGiveFeedback") arguments[1] = false;
  });
  Variant arguments[] = {int32_t{1}, true};

  recorder.RaiseEvent({4, u"OLEGiveFeedback"}, arguments);

  EXPECT_FALSE(arguments[1].ToBoolean());
  ASSERT_EQ(recorder.Events().size(), 1u);
  EXPECT_EQ(recorder.Events()[0].dispatchId, 4);
  EXPECT_TRUE(recorder.Events()[0].arguments[1].ToBoolean());
}

TEST(SimContainedControls, WindowlessControlFailsHwndAndCallsKeepTheirOrderAcrossServices) {
  SimPlatform platform;
  auto text = platform.containedControls.AddWindowed(u"Text1", 0x2000);
  auto label = platform.containedControls.AddWindowless(u"Label1");
  std::vector<ContainedControlRef> controls = platform.containedControls.Enumerate();
  ASSERT_EQ(controls.size(), 2u);

  EXPECT_EQ(controls[0]->Hwnd(), 0x2000u);
  try {
    controls[1]->Hwnd();
    ADD_FAILURE() << "a windowless control has no hWnd";
  } catch (const Error& error) {
    EXPECT_EQ(error.number(), kMemberNotSupported);
  }

  controls[1]->Refresh();
  platform.Site().events.RaiseEvent({8, u"Resize"}, {});
  controls[0]->Move(30, 45, 1500, 900.5);

  EXPECT_EQ(platform.containedControls.Log().Lines(), (Lines{"Refresh Label1", "Move Text1 30 45 1500 900.5"}));
  EXPECT_EQ(platform.trace.Lines(), (Lines{"Refresh Label1", "Event Resize", "Move Text1 30 45 1500 900.5"}));
  EXPECT_EQ(label->RefreshCount(), 1);
  EXPECT_EQ(text->Bounds(), (SimContainedControl::Rectangle{30, 45, 1500, 900.5}));
}

TEST(SimExtender, RemovedPositionFailsToReadWhileTheOtherStillReads) {
  SimExtender extender;
  extender.SetTop(int32_t{120});
  extender.RemoveLeft();

  EXPECT_THROW(extender.Left(), Error);
  EXPECT_EQ(extender.Top().ToLong(), 120);
}

TEST(SimParentObject, ChainEndsWithAParentReadThatFails) {
  ParentRef form = SimParentObject::Chain({0x10, 0x20});

  ParentRef top = form->Parent();
  ASSERT_NE(top, nullptr);
  EXPECT_EQ(top->Hwnd(), 0x20u);
  EXPECT_THROW(top->Parent(), Error);
  EXPECT_THROW(SimParentObject(std::nullopt).Hwnd(), Error);
}

}  // namespace
}  // namespace host::sim
