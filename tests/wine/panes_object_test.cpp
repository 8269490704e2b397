// The pane collection as a script drives it: Add, Item, Remove, Clear.

#include <gtest/gtest.h>

#include "expect_dispatch_error.h"
#include "splitter_test.h"

namespace {

constexpr HRESULT kIndexOutOfBounds = 0x8004041D;
constexpr HRESULT kInvalidValue = 0x8004041B;
constexpr HRESULT kInvalidArgument = 0x800A0005;

using PaneCollection = SplitterTest;

TEST_F(PaneCollection, NewControlHasOnePaneSpanningItsExtent) {
  ASSERT_EQ(Count(), 1);
  DispatchClient pane = Pane(1);
  EXPECT_EQ(pane.Get(L"Name").AsString(), L"Pane 1");
  EXPECT_EQ(pane.Get(L"Index").AsLong(), 1);
  EXPECT_TRUE(pane.Get(L"Key").IsEmpty());
  EXPECT_EQ(pane.Get(L"Appearance").AsLong(), 1);
  EXPECT_TRUE(pane.Get(L"ResizeChildControl").AsBool());
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 10 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Left").AsLong(), OffsetTwips3D(0));
  EXPECT_EQ(pane.Get(L"Top").AsLong(), OffsetTwips3D(0));
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(320));
  EXPECT_EQ(pane.Get(L"Height").AsLong(), InnerTwips3D(240));
}

TEST_F(PaneCollection, NameIsTheDefaultMember) {
  EXPECT_EQ(Pane(1).Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {}, L"(default)").AsString(), L"Pane 1");
  DispatchClient viaDefault = DispatchClient::From(
      panes_.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {VariantValue(1)}, L"(default)"));
  EXPECT_EQ(viaDefault.Identity(), Pane(1).Identity());
}

TEST(PaneCollectionExtent, ExtentGivenBeforeInitNewSizesTheFirstPane) {
  SplitterOptions options;
  options.extentPixels = SIZE{480, 384};
  SplitterInstance splitter(options);
  DispatchClient pane = splitter.Panes().Object(L"Item", 1);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(480));
  EXPECT_EQ(pane.Get(L"Height").AsLong(), InnerTwips3D(384));
}

TEST_F(PaneCollection, AddAppendsAndHalvesTheLastPane) {
  DispatchClient second = Add();
  EXPECT_EQ(second.Get(L"Name").AsString(), L"Pane 2");
  EXPECT_EQ(second.Get(L"Index").AsLong(), 2);
  // 320 less the 3-pixel bar, halved: 158.5 rounds to the even 158.
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(158));
  EXPECT_EQ(second.Get(L"Width").AsLong(), InnerTwips3D(158));
  EXPECT_EQ(second.Get(L"Left").AsLong(), OffsetTwips3D(161));
  EXPECT_EQ(second.Get(L"Height").AsLong(), InnerTwips3D(240));

  DispatchClient third = Add();
  EXPECT_EQ(third.Get(L"Name").AsString(), L"Pane 3");
  // Only the last pane is split: (158 - 3) / 2 = 77.5 gives 78.
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(158));
  EXPECT_EQ(Pane(2).Get(L"Width").AsLong(), InnerTwips3D(78));
  EXPECT_EQ(third.Get(L"Width").AsLong(), InnerTwips3D(78));
  EXPECT_EQ(third.Get(L"Left").AsLong(), OffsetTwips3D(242));
  EXPECT_EQ(Count(), 3);
}

TEST_F(PaneCollection, AddAfterPositionInsertsThereAndNamesByCount) {
  Add();
  Add();
  DispatchClient inserted = DispatchClient::From(panes_.Call(L"Add", 1));
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Pane 1", L"Pane 4", L"Pane 2", L"Pane 3"}));
  for (long i = 1; i <= 4; ++i) EXPECT_EQ(Pane(i).Get(L"Index").AsLong(), i);
  EXPECT_EQ(inserted.Identity(), Pane(2).Identity());
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(78));
  EXPECT_EQ(inserted.Get(L"Width").AsLong(), InnerTwips3D(78));
  EXPECT_EQ(inserted.Get(L"Left").AsLong(), OffsetTwips3D(81));
  EXPECT_EQ(Pane(3).Get(L"Left").AsLong(), OffsetTwips3D(162));
}

TEST_F(PaneCollection, AddTakesKeyAppearanceAndControlName) {
  DispatchClient pane = DispatchClient::From(panes_.Call(L"Add", VariantValue::Missing(), L"left", 0, L"Text1"));
  EXPECT_EQ(pane.Get(L"Key").AsString(), L"left");
  EXPECT_EQ(pane.Get(L"Appearance").AsLong(), 0);
  EXPECT_EQ(pane.Get(L"ControlName").AsString(), L"Text1");
  // A flat pane's public rectangle is the whole pane.
  EXPECT_EQ(pane.Get(L"Width").AsLong(), 158 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Left").AsLong(), 161 * kTwipsPerPixel);
}

TEST_F(PaneCollection, AddAfterAKeyInsertsAfterThatPane) {
  panes_.Call(L"Add", VariantValue::Missing(), L"k1");
  Add();
  panes_.Call(L"Add", L"k1");
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Pane 1", L"Pane 2", L"Pane 4", L"Pane 3"}));
  // Lookup by key is exact.
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Add", L"K1"), kIndexOutOfBounds, L"Index out of bounds.",
                        ErrorOrigin::Unattributed);
  EXPECT_EQ(Count(), 4);
}

TEST_F(PaneCollection, AddAfterAMissingPositionFailsAndAddsNothing) {
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Add", 2), kIndexOutOfBounds, L"Index out of bounds.", ErrorOrigin::Unattributed);
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Add", 0), kIndexOutOfBounds, L"Index out of bounds.", ErrorOrigin::Unattributed);
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(320));
}

TEST_F(PaneCollection, AddAfterAPositionOfAnEmptyCollectionIsAnInvalidArgument) {
  panes_.Call(L"Clear");
  auto raised = CaptureDispatchError([&] { panes_.Call(L"Add", 1); });
  ASSERT_TRUE(raised.has_value());
  EXPECT_EQ(static_cast<unsigned long>(raised->Number()), static_cast<unsigned long>(kInvalidArgument));
  EXPECT_EQ(Count(), 0);
}

TEST_F(PaneCollection, AddWithADuplicateKeyFailsAndLeavesCountUnchanged) {
  panes_.Call(L"Add", VariantValue::Missing(), L"left");
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Add", VariantValue::Missing(), L"  LEFT "), kInvalidValue, L"Key already exists.",
                        ErrorOrigin::Unattributed);
  EXPECT_EQ(Count(), 2);
  // The next Add is numbered as if the failed one never happened.
  EXPECT_EQ(Add().Get(L"Name").AsString(), L"Pane 3");
}

TEST_F(PaneCollection, ItemFindsByPositionNumericStringAndExactKey) {
  panes_.Call(L"Add", VariantValue::Missing(), L"Right");
  // Held, so that the same object is what each lookup must answer: a released one could
  // come back at the same address by chance.
  DispatchClient second = Pane(2);
  EXPECT_EQ(panes_.Object(L"Item", L"2").Identity(), second.Identity());
  EXPECT_EQ(panes_.Object(L"Item", 2.0).Identity(), second.Identity());
  EXPECT_EQ(panes_.Object(L"Item", L"Right").Identity(), second.Identity());
  EXPECT_DISPATCH_ERROR(panes_.Get(L"Item", L"right"), kIndexOutOfBounds, L"Index out of bounds.",
                        ErrorOrigin::Unattributed);
}

TEST_F(PaneCollection, ItemOutsideTheListIsOutOfBounds) {
  Add();
  EXPECT_DISPATCH_ERROR(panes_.Get(L"Item", 0), kIndexOutOfBounds, L"Index out of bounds.", ErrorOrigin::Unattributed);
  EXPECT_DISPATCH_ERROR(panes_.Get(L"Item", 3), kIndexOutOfBounds, L"Index out of bounds.", ErrorOrigin::Unattributed);
  EXPECT_DISPATCH_ERROR(panes_.Get(L"Item", L"nokey"), kIndexOutOfBounds, L"Index out of bounds.",
                        ErrorOrigin::Unattributed);
}

TEST_F(PaneCollection, ReadingAnItemTwiceGivesTheSameObject) {
  EXPECT_EQ(Pane(1).Identity(), Pane(1).Identity());
  EXPECT_NE(Pane(1).Identity(), Add().Identity());
}

TEST_F(PaneCollection, RemoveRenumbersAndLetsTheLastPaneTakeTheRoom) {
  Add();
  Add();
  DispatchClient removed = Pane(2);
  panes_.Call(L"Remove", 2);
  EXPECT_EQ(Names(), (std::vector<std::wstring>{L"Pane 1", L"Pane 3"}));
  EXPECT_EQ(Pane(2).Get(L"Index").AsLong(), 2);
  // The last pane reaches from its left edge (161) to the inner right edge (320).
  EXPECT_EQ(Pane(2).Get(L"Width").AsLong(), InnerTwips3D(159));
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(158));

  // The removed pane keeps its values and its stale Index.
  EXPECT_EQ(removed.Get(L"Name").AsString(), L"Pane 2");
  EXPECT_EQ(removed.Get(L"Index").AsLong(), 2);
}

TEST_F(PaneCollection, RemoveByKeyAndOfTheLastOfTwo) {
  panes_.Call(L"Add", VariantValue::Missing(), L"gone");
  panes_.Call(L"Remove", L"gone");
  EXPECT_EQ(Count(), 1);
  EXPECT_EQ(Pane(1).Get(L"Width").AsLong(), InnerTwips3D(320));
}

TEST_F(PaneCollection, RemoveOfAMissingPaneIsOutOfBounds) {
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Remove", 2), kIndexOutOfBounds, L"Index out of bounds.",
                        ErrorOrigin::Unattributed);
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Remove", L"x"), kIndexOutOfBounds, L"Index out of bounds.",
                        ErrorOrigin::Unattributed);
  EXPECT_EQ(Count(), 1);
}

TEST_F(PaneCollection, ClearEmptiesTheListButHeldPanesStayReadable) {
  Add();
  DispatchClient held = Pane(2);
  panes_.Call(L"Clear");
  EXPECT_EQ(Count(), 0);
  EXPECT_DISPATCH_ERROR(panes_.Get(L"Item", 1), kIndexOutOfBounds, L"Index out of bounds.", ErrorOrigin::Unattributed);
  EXPECT_EQ(held.Get(L"Name").AsString(), L"Pane 2");
  EXPECT_EQ(held.Get(L"Index").AsLong(), 2);
  // An empty collection starts over with Pane 1 spanning the inner width.
  DispatchClient first = Add();
  EXPECT_EQ(first.Get(L"Name").AsString(), L"Pane 1");
  EXPECT_EQ(first.Get(L"Width").AsLong(), InnerTwips3D(320));
}

}  // namespace
