// The collection's events as a connected script handler receives them.

#include <gtest/gtest.h>

#include "expect_dispatch_error.h"
#include "splitter_test.h"

namespace {

using Strings = std::vector<std::wstring>;
using PaneEvents = SplitterTest;

TEST(PaneEventsOfANewControl, InitNewAddsTheFirstPaneAndReportsItsSize) {
  SplitterOptions options;
  options.initNew = false;
  SplitterInstance splitter(options);
  EventRecorder* recorder = EventRecorder::Create();
  recorder->Connect(splitter.Panes().Pointer());
  splitter.InitNew();
  EXPECT_EQ(recorder->Summaries(), (Strings{L"PaneAdded(Pane 1)", L"SplitterResized(Pane 1, Nothing)"}));
  recorder->Disconnect();
  recorder->Release();
}

TEST_F(PaneEvents, AddRaisesPaneAddedOnlyEvenWithSettersInvolved) {
  EventRecorder& events = Record();
  DispatchClient added = DispatchClient::From(panes_.Call(L"Add", 1, L"key", 0, L"Text1"));
  ASSERT_EQ(events.Summaries(), (Strings{L"PaneAdded(Pane 2)"}));
  EXPECT_EQ(DispatchClient::From(events.Events()[0].arguments[0]).Identity(), added.Identity());
}

// PaneRemoved declares its pane by value, so it is left out here.
TEST_F(PaneEvents, ArgumentsArriveByReference) {
  Add();
  EventRecorder& events = Record();
  DispatchClient pane = Add();
  pane.Put(L"Name", L"x");
  panes_.Call(L"Remove", 2);
  ASSERT_EQ(events.Summaries(), (Strings{L"PaneAdded(Pane 3)", L"PaneChanged(x, Name)", L"SplitterResized(Pane 1, x)",
                                         L"PaneRemoved(Pane 2)"}));
  for (size_t i = 0; i < 3; ++i) EXPECT_TRUE(events.Events()[i].allByReference) << i;
}

TEST_F(PaneEvents, EverySetterReportsItsPropertyByName) {
  DispatchClient pane = Pane(1);
  EventRecorder& events = Record();
  pane.Put(L"Name", L"Left side");
  pane.Put(L"Key", L"L");
  pane.Put(L"Tag", L"t");
  pane.Put(L"ControlName", L"Text1");
  pane.Put(L"ResizeChildControl", false);
  pane.Put(L"Appearance", 0);
  pane.Put(L"Minimum", 300);
  EXPECT_EQ(events.Summaries(),
            (Strings{L"PaneChanged(Left side, Name)", L"PaneChanged(Left side, Key)", L"PaneChanged(Left side, Tag)",
                     L"PaneChanged(Left side, ControlName)", L"PaneChanged(Left side, ResizeChildControl)",
                     L"PaneChanged(Left side, Appearance)", L"PaneChanged(Left side, Minimum)"}));
}

TEST_F(PaneEvents, UnchangedTagAndFailedSettersStayQuiet) {
  DispatchClient pane = Pane(1);
  pane.Put(L"Tag", L"same");
  pane.Put(L"Key", L"k");
  EventRecorder& events = Record();
  pane.Put(L"Tag", L"same");
  CaptureDispatchError([&] { pane.Put(L"Key", L"K"); });
  CaptureDispatchError([&] { pane.Put(L"Minimum", -1); });
  CaptureDispatchError([&] { pane.Put(L"Left", 0); });
  CaptureDispatchError([&] { panes_.Call(L"Add", VariantValue::Missing(), L"k"); });
  EXPECT_TRUE(events.Summaries().empty());
  // An object put by reference is reported even when it is the same one.
  pane.PutRef(L"Tag", VariantValue(panes_.Pointer()));
  pane.PutRef(L"Tag", VariantValue(panes_.Pointer()));
  EXPECT_EQ(events.Summaries(), (Strings{L"PaneChanged(Pane 1, Tag)", L"PaneChanged(Pane 1, Tag)"}));
  pane.Put(L"Tag", L"");
}

TEST_F(PaneEvents, WidthIsReportedWhileThePaneHoldsTheNewWidth) {
  Add();
  DispatchClient first = Pane(1);
  EventRecorder& events = Record();
  long widthSeen = 0;
  events.onEvent = [&](const RecordedEvent& event, DISPPARAMS&) {
    if (event.name == L"PaneChanged") widthSeen = DispatchClient::From(event.arguments[0]).Get(L"Width").AsLong();
  };
  first.Put(L"Width", 100 * kTwipsPerPixel);
  EXPECT_EQ(events.Summaries(), (Strings{L"PaneChanged(Pane 1, Width)"}));
  EXPECT_EQ(widthSeen, 100 * kTwipsPerPixel);
}

TEST_F(PaneEvents, RemoveRefitsTheLastPaneBeforeReportingTheRemoval) {
  Add();
  Add();
  EventRecorder& events = Record();
  panes_.Call(L"Remove", 2);
  EXPECT_EQ(events.Summaries(), (Strings{L"SplitterResized(Pane 1, Pane 3)", L"PaneRemoved(Pane 2)"}));
}

TEST_F(PaneEvents, RemovingDownToOnePaneReportsNoResize) {
  Add();
  EventRecorder& events = Record();
  panes_.Call(L"Remove", 1);
  EXPECT_EQ(events.Summaries(), (Strings{L"PaneRemoved(Pane 1)"}));
}

TEST_F(PaneEvents, ClearReportsOneRemovalOfNothing) {
  Add();
  Add();
  EventRecorder& events = Record();
  panes_.Call(L"Clear");
  EXPECT_EQ(events.Summaries(), (Strings{L"PaneRemoved(Nothing)"}));
}

TEST_F(PaneEvents, HandlersSeeTheCollectionAlreadyUpdated) {
  Add();
  EventRecorder& events = Record();
  std::vector<long> countsSeen;
  std::vector<long> indexesSeen;
  events.onEvent = [&](const RecordedEvent& event, DISPPARAMS&) {
    countsSeen.push_back(panes_.Get(L"Count").AsLong());
    if (event.name == L"PaneAdded")
      indexesSeen.push_back(DispatchClient::From(event.arguments[0]).Get(L"Index").AsLong());
  };
  panes_.Call(L"Add", 1);
  panes_.Call(L"Remove", 3);
  EXPECT_EQ(countsSeen, (std::vector<long>{3, 2, 2}));
  EXPECT_EQ(indexesSeen, (std::vector<long>{2}));
}

TEST_F(PaneEvents, AHandlerMayChangeAPaneDuringPaneAdded) {
  EventRecorder& events = Record();
  events.onEvent = [&](const RecordedEvent& event, DISPPARAMS&) {
    if (event.name == L"PaneAdded") DispatchClient::From(event.arguments[0]).Put(L"Name", L"Renamed");
  };
  DispatchClient added = Add();
  EXPECT_EQ(added.Get(L"Name").AsString(), L"Renamed");
  EXPECT_EQ(events.Summaries(), (Strings{L"PaneAdded(Pane 2)", L"PaneChanged(Renamed, Name)"}));
}

}  // namespace
