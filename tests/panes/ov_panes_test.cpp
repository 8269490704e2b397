// The collection's own Add and Remove: sizes, names, events and errors. Positions, Item and
// Clear are the shared keyed collection's, tested with the hook's messages.
#include <gtest/gtest.h>

#include "tests/support/error_matchers.h"
#include "tests/support/pane_fixture.h"

namespace {

using host::Variant;
namespace err = host::err;
using Panes = testing_support::PaneFixture;
using Strings = std::vector<std::string>;

std::vector<int32_t> Widths(const panes::OvPanes& panes) {
  std::vector<int32_t> widths;
  for (const auto& pane : panes.Items()) widths.push_back(pane->ExtentPixels(panes::Dimension::X));
  return widths;
}

std::vector<std::string> NamesInOrder(const panes::OvPanes& panes) {
  std::vector<std::string> names;
  for (const auto& pane : panes.Items())
    names.push_back(host::ToUtf8(pane->Name()) + "#" + std::to_string(pane->Index()));
  return names;
}

TEST_F(Panes, AddHalvesTheLastPaneOrTheOneItFollowsRoundingToEvenAndNamesByCount) {
  Configure(0, 400, 300, 3);
  auto first = panes->Add();
  EXPECT_EQ(first->ExtentPixels(panes::Dimension::X), 400);
  EXPECT_EQ(first->ExtentPixels(panes::Dimension::Y), -1);
  EXPECT_OV_ERROR(panes->Add(Variant(int32_t{2})), err::kIndexOutOfBounds, "Index out of bounds.");
  for (int i = 0; i < 2; ++i) panes->Add();
  EXPECT_EQ(Widths(*panes), (std::vector<int32_t>{198, 98, 98}));  // (400-3)/2, (198-3)/2
  panes->Add(Variant(int32_t{1}));
  EXPECT_EQ(NamesInOrder(*panes), (Strings{"Pane 1#1", "Pane 4#2", "Pane 2#3", "Pane 3#4"}));
  EXPECT_EQ(Widths(*panes), (std::vector<int32_t>{98, 98, 98, 98}));  // pane 1 was split
  EXPECT_EQ(events.log, (Strings{"PaneAdded Pane 1", "PaneAdded Pane 2", "PaneAdded Pane 3", "PaneAdded Pane 4"}));
}

TEST_F(Panes, AddSetsItsArgumentsWithoutPaneChanged) {
  auto pane = panes->Add(Variant::Missing(), Variant(u"left"), Variant(u"0"), Variant(int32_t{7}));
  EXPECT_EQ(std::tuple(pane->Key().ToString(), pane->Appearance(), pane->ControlName()),
            std::tuple(host::String(u"left"), 0, host::String(u"7")));
  EXPECT_EQ(events.log, (Strings{"PaneAdded Pane 1"}));
  EXPECT_EQ(panes->Add(Variant(u"left"))->Index(), 2);
  EXPECT_OV_ERROR(panes->Add(Variant(u"LEFT")), err::kIndexOutOfBounds, "Index out of bounds.");
}

TEST_F(Panes, FailedAddInsertsNothingAndLeavesNotificationsOn) {
  panes->Add(Variant::Missing(), Variant(u"abc"));
  events.log.clear();
  EXPECT_OV_ERROR(panes->Add(Variant::Missing(), Variant(u" ABC ")), err::kInvalidValue, "Key already exists.");
  EXPECT_EQ(panes->Count(), 1);
  EXPECT_TRUE(events.log.empty());
  panes->Item(Variant(int32_t{1}))->SetName(u"x");
  EXPECT_EQ(events.log, (Strings{"PaneChanged x Name"}));

  // A half below the minimum fails; the pane that was split keeps its half.
  panes->SetBounds(22, 300);
  auto only = panes->Item(Variant(int32_t{1}));
  EXPECT_OV_ERROR(panes->Add(), err::kBelowMinimum, "Width cannot be less than Min.");
  EXPECT_EQ(panes->Count(), 1);
  only->SetMinimum(0);
  EXPECT_OV_ERROR(panes->Add(), err::kBelowMinimum, "Width cannot be less than Min.");
  EXPECT_EQ(only->ExtentPixels(panes::Dimension::X), 9);  // (22 - 4) / 2: the split stands
}

TEST_F(Panes, RemoveRenumbersRefitsAndRaisesInOrder) {
  for (int i = 0; i < 3; ++i) panes->Add();
  events.log.clear();
  panes->Remove(Variant(int32_t{2}));
  EXPECT_EQ(NamesInOrder(*panes), (Strings{"Pane 1#1", "Pane 3#2"}));
  EXPECT_EQ(Widths(*panes), (std::vector<int32_t>{198, 198}));  // 400 - (198 + 4)
  EXPECT_EQ(events.log, (Strings{"SplitterResized Pane 1 Pane 3", "PaneRemoved Pane 2"}));
  events.log.clear();
  panes->Remove(Variant(int32_t{2}));
  EXPECT_EQ(Widths(*panes), (std::vector<int32_t>{400}));
  EXPECT_EQ(events.log, (Strings{"PaneRemoved Pane 3"}));
}

TEST_F(Panes, HandlersMayCallBackIntoTheCollection) {
  std::vector<int32_t> countsSeen;
  events.onAdded = [&](panes::PanePtr& pane) {
    countsSeen.push_back(panes->Count());
    EXPECT_EQ(panes->Item(Variant(pane->Index())), pane);
    if (panes->Count() == 1) panes->Add();  // nested Add from inside PaneAdded
  };
  events.onRemoved = [&](panes::PanePtr&) { countsSeen.push_back(-panes->Count()); };
  panes->Add();
  EXPECT_EQ(countsSeen, (std::vector<int32_t>{1, 2}));
  EXPECT_EQ(panes->Count(), 2);
  panes->Remove(Variant(int32_t{1}));
  EXPECT_EQ(countsSeen.back(), -1);
}

TEST_F(Panes, ListenerRemovedDuringAnEventIsNotCalledAgain) {
  testing_support::PaneEvents second;
  panes->AddListener(&second);
  events.onAdded = [&](panes::PanePtr&) { panes->RemoveListener(&second); };
  panes->Add();
  EXPECT_TRUE(second.log.empty());
  panes->Add();
  EXPECT_TRUE(second.log.empty());
}

}  // namespace
