// One pane's properties through late binding: values, unit conversion, errors.

#include <gtest/gtest.h>

#include "expect_dispatch_error.h"
#include "splitter_test.h"

namespace {

constexpr HRESULT kReadOnly = 0x8004041A;
constexpr HRESULT kInvalidValue = 0x8004041B;
constexpr HRESULT kOutOfRange = 0x8004041C;
constexpr HRESULT kDivisionByZero = 0x800A000B;

using PaneProperties = SplitterTest;

TEST_F(PaneProperties, SettersStoreWhatTheyAreGiven) {
  DispatchClient pane = Pane(1);
  pane.Put(L"Name", L"Tree");
  pane.Put(L"Key", L" tree ");
  pane.Put(L"ControlName", L"TreeView1");
  pane.Put(L"ResizeChildControl", false);
  pane.Put(L"Tag", 42);
  EXPECT_EQ(pane.Get(L"Name").AsString(), L"Tree");
  EXPECT_EQ(pane.Get(L"Key").AsString(), L" tree ");  // stored untrimmed
  EXPECT_EQ(pane.Get(L"ControlName").AsString(), L"TreeView1");
  EXPECT_FALSE(pane.Get(L"ResizeChildControl").AsBool());
  EXPECT_EQ(pane.Get(L"Tag").AsLong(), 42);
  EXPECT_EQ(panes_.Object(L"Item", L" tree ").Identity(), pane.Identity());
}

TEST_F(PaneProperties, TagHoldsAnObjectByReference) {
  DispatchClient pane = Pane(1);
  pane.PutRef(L"Tag", VariantValue(panes_.Pointer()));
  EXPECT_EQ(DispatchClient::From(pane.Get(L"Tag")).Identity(), panes_.Identity());
  pane.Put(L"Tag", L"");  // drop the cycle before the control goes
}

TEST_F(PaneProperties, FlatAppearanceUsesTheWholePane) {
  DispatchClient pane = Pane(1);
  pane.Put(L"Appearance", 0);
  EXPECT_EQ(pane.Get(L"Appearance").AsLong(), 0);
  EXPECT_EQ(pane.Get(L"Left").AsLong(), 0);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), 320 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Height").AsLong(), 240 * kTwipsPerPixel);
}

TEST_F(PaneProperties, WidthIsTheContentWithinTheFrame) {
  Add();
  DispatchClient first = Pane(1);
  // 100 pixels of content plus the 4-pixel frame.
  first.Put(L"Width", 100 * kTwipsPerPixel);
  EXPECT_EQ(first.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
  EXPECT_EQ(Pane(2).Get(L"Left").AsLong(), OffsetTwips3D(107));
}

TEST_F(PaneProperties, WidthIsGivenToOrTakenFromTheNeighbour) {
  Add();
  DispatchClient first = Pane(1);
  DispatchClient second = Pane(2);
  // The pair keeps its 158 + 158 pixels.
  first.Put(L"Width", 100 * kTwipsPerPixel);
  EXPECT_EQ(second.Get(L"Width").AsLong(), InnerTwips3D(212));

  // Changing the last pane moves the difference to the pane before it.
  second.Put(L"Width", 150 * kTwipsPerPixel);
  EXPECT_EQ(second.Get(L"Width").AsLong(), 150 * kTwipsPerPixel);
  EXPECT_EQ(first.Get(L"Width").AsLong(), InnerTwips3D(162));
}

TEST_F(PaneProperties, WidthBelowTheMinimumIsRaisedToIt) {
  Add();
  DispatchClient first = Pane(1);
  first.Put(L"Width", 1 * kTwipsPerPixel);
  EXPECT_EQ(first.Get(L"Width").AsLong(), InnerTwips3D(10 + 4));
}

TEST_F(PaneProperties, WidthConvertsFromTwipsWithRounding) {
  Add();
  DispatchClient first = Pane(1);
  first.Put(L"Width", 1507);  // 100.47 pixels
  EXPECT_EQ(first.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
  first.Put(L"Width", 1508);  // 100.53 pixels
  EXPECT_EQ(first.Get(L"Width").AsLong(), 101 * kTwipsPerPixel);
}

TEST_F(PaneProperties, MinimumIsBoundedByZeroAndTheExtent) {
  DispatchClient pane = Pane(1);
  pane.Put(L"Minimum", 0);
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 0);
  pane.Put(L"Minimum", 310);  // 20.67 pixels are stored as 21
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 21 * kTwipsPerPixel);
  // The stored extent, frame included, is the bound: 320 pixels.
  pane.Put(L"Minimum", 320 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 320 * kTwipsPerPixel);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Minimum", 320 * kTwipsPerPixel + 1), kInvalidValue,
                        L"Minimum must be less than or equal to Width.", ErrorOrigin::Component);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Minimum", -1), kOutOfRange, L"Minimum must be greater than 0.",
                        ErrorOrigin::Component);
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 320 * kTwipsPerPixel);
}

TEST_F(PaneProperties, PositionAndIndexAreReadOnly) {
  Add();
  DispatchClient pane = Pane(2);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Left", 0), kReadOnly, L"Left is Read-Only at runtime.", ErrorOrigin::Component);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Top", 0), kReadOnly, L"Top is Read-Only at runtime.", ErrorOrigin::Component);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Index", 1), kReadOnly, L"Index is Read-Only at runtime.", ErrorOrigin::Component);
  EXPECT_EQ(pane.Get(L"Left").AsLong(), OffsetTwips3D(161));
  EXPECT_EQ(pane.Get(L"Index").AsLong(), 2);
}

TEST_F(PaneProperties, ExtentsThatTheLayoutOwnsAreReadOnly) {
  DispatchClient pane = Pane(1);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Width", 1500), kOutOfRange, L"Width is read-only when there is only 1 Pane.",
                        ErrorOrigin::Component);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Height", 1500), kReadOnly, L"Height is read-only at runtime.",
                        ErrorOrigin::Component);
  Add();
  EXPECT_DISPATCH_ERROR(pane.Put(L"Height", 1500), kReadOnly, L"Height is read-only at runtime.",
                        ErrorOrigin::Component);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(158));
}

TEST_F(PaneProperties, KeysAreUniqueIgnoringCaseAndBlanks) {
  Add();
  DispatchClient first = Pane(1);
  DispatchClient second = Pane(2);
  first.Put(L"Key", L"abc");
  EXPECT_DISPATCH_ERROR(second.Put(L"Key", L"  ABC "), kInvalidValue, L"Key already exists.",
                        ErrorOrigin::Unattributed);
  // The pane being keyed counts too.
  EXPECT_DISPATCH_ERROR(first.Put(L"Key", L"abc"), kInvalidValue, L"Key already exists.", ErrorOrigin::Unattributed);
  EXPECT_TRUE(second.Get(L"Key").IsEmpty());
  // Blank keys never collide.
  first.Put(L"Key", L"   ");
  second.Put(L"Key", L"   ");
  second.Put(L"Key", L"abc");
  EXPECT_EQ(second.Get(L"Key").AsString(), L"abc");
}

class VerticalPaneProperties : public SplitterTest {
 protected:
  void SetUp() override {
    SplitterTest::SetUp();
    splitter_->Control().Put(L"Orientation", 1);
  }
};

TEST_F(VerticalPaneProperties, WidthIsTheSplittersAndHeightIsThePanes) {
  Add();
  DispatchClient pane = Pane(1);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Width", 1500), kReadOnly, L"Width is read-only at runtime.", ErrorOrigin::Component);
  pane.Put(L"Height", 50 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Height").AsLong(), 50 * kTwipsPerPixel);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(320));
  // The pane now holds 54 pixels, frame included: that bounds its minimum.
  EXPECT_DISPATCH_ERROR(pane.Put(L"Minimum", 54 * kTwipsPerPixel + 1), kInvalidValue,
                        L"Minimum must be less than or equal to Height.", ErrorOrigin::Component);
}

TEST_F(VerticalPaneProperties, HeightOfASinglePaneIsReadOnly) {
  EXPECT_DISPATCH_ERROR(Pane(1).Put(L"Height", 1500), kOutOfRange, L"Height is read-only when there is only 1 Pane.",
                        ErrorOrigin::Component);
}

struct ScaleCase {
  const char* label;
  bool withSite;
  std::optional<std::wstring> scaleUnits;
  int32_t unitsPerPixel = 0;
};

class UnknownScaleUnits : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(UnknownScaleUnits, MakeUnitWritesDivideByZero) {
  SplitterOptions options;
  options.withSite = GetParam().withSite;
  options.scaleUnits = GetParam().scaleUnits;
  SplitterInstance splitter(options);
  DispatchClient panes = splitter.Panes();
  panes.Call(L"Add");
  DispatchClient pane = panes.Object(L"Item", 1);
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 0);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Width", 1500), kDivisionByZero, L"Division by zero", ErrorOrigin::Runtime);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Minimum", 100), kDivisionByZero, L"Division by zero", ErrorOrigin::Runtime);
  // Reads still work: they are in twips whatever the container uses.
  EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(158));
}

INSTANTIATE_TEST_SUITE_P(Sites, UnknownScaleUnits,
                         ::testing::Values(ScaleCase{"NoAmbient", true, std::nullopt},
                                           ScaleCase{"Empty", true, std::wstring()},
                                           ScaleCase{"Unlisted", true, std::wstring(L"twip")}),
                         [](const auto& info) { return std::string(info.param.label); });

class KnownScaleUnits : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(KnownScaleUnits, ConvertPaneWrites) {
  SplitterOptions options;
  options.withSite = GetParam().withSite;
  options.scaleUnits = GetParam().scaleUnits;
  SplitterInstance splitter(options);
  DispatchClient panes = splitter.Panes();
  panes.Call(L"Add");
  DispatchClient pane = panes.Object(L"Item", 1);
  const int32_t perPixel = GetParam().unitsPerPixel;
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 10 * perPixel);
  pane.Put(L"Width", 100 * perPixel);
  EXPECT_EQ(pane.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
}

// A control with no container at all (a script's) writes extents in twips, as it reads them.
INSTANTIATE_TEST_SUITE_P(Sites, KnownScaleUnits,
                         ::testing::Values(ScaleCase{"Pixel", true, std::wstring(L"Pixel"), 1},
                                           ScaleCase{"NoSite", false, std::nullopt, kTwipsPerPixel}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
