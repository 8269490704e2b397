// The panes as a late-bound client meets them: one object per pane however it is looked
// up, the default members, VARIANTs of every automation type kept as given, the errors
// with their numbers, texts and sources, and pane writes in the units of the site.

#include "same_variant.h"
#include "splitter_test.h"

namespace {

constexpr HRESULT kReadOnly = 0x8004041A;
constexpr HRESULT kInvalidValue = 0x8004041B;
constexpr HRESULT kDivisionByZero = 0x800A000B;
constexpr HRESULT kTypeMismatch = 0x800A000D;

using PanesThroughDispatch = SplitterTest;

TEST_F(PanesThroughDispatch, EveryLookupOfAPaneAnswersTheSameObject) {
  panes_.Call(L"Add", VariantValue::Missing(), L"Right");
  // Held, so that a released object cannot come back at the same address by chance.
  DispatchClient second = Pane(2);
  EXPECT_EQ(Pane(2).Identity(), second.Identity());
  EXPECT_EQ(panes_.Object(L"Item", L"2").Identity(), second.Identity());
  EXPECT_EQ(panes_.Object(L"Item", 2.0).Identity(), second.Identity());
  EXPECT_EQ(panes_.Object(L"Item", L"Right").Identity(), second.Identity());
  EXPECT_NE(Pane(1).Identity(), second.Identity());
  // Item is the collection's default member, Name the pane's.
  DispatchClient viaDefault = DispatchClient::From(
      panes_.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET | DISPATCH_METHOD, {VariantValue(2)}, L"(default)"));
  EXPECT_EQ(viaDefault.Identity(), second.Identity());
  EXPECT_EQ(second.Invoke(DISPID_VALUE, DISPATCH_PROPERTYGET, {}, L"(default)").AsString(), L"Pane 2");
}

TEST_F(PanesThroughDispatch, ErrorsReachTheClientWithTheirNumberTextAndSource) {
  panes_.Call(L"Add", VariantValue::Missing(), L"left");
  DispatchClient pane = Pane(2);
  EXPECT_DISPATCH_ERROR(pane.Put(L"Left", 0), kReadOnly, L"Left is Read-Only at runtime.", ErrorOrigin::Component);
  EXPECT_DISPATCH_ERROR(panes_.Call(L"Add", VariantValue::Missing(), L"  LEFT "), kInvalidValue, L"Key already exists.",
                        ErrorOrigin::Unattributed);
  EXPECT_EQ(Count(), 2);
}

TEST_F(PanesThroughDispatch, TagHoldsAnObjectByReference) {
  DispatchClient pane = Pane(1);
  pane.PutRef(L"Tag", VariantValue(panes_.Pointer()));
  EXPECT_EQ(DispatchClient::From(pane.Get(L"Tag")).Identity(), panes_.Identity());
  pane.Put(L"Tag", L"");  // drop the cycle before the control goes

  // A picture, which the control keeps as a picture it can save, comes back as itself.
  DispatchClient picture(IconPicture().Get());
  pane.PutRef(L"Tag", VariantValue(picture.Pointer()));
  EXPECT_EQ(DispatchClient::From(pane.Get(L"Tag")).Identity(), picture.Identity());
}

TEST_F(PanesThroughDispatch, TagAndKeyKeepEveryAutomationTypeAndWidenTheOthers) {
  VariantValue grid = Parsed(L"Array I4 (1 To 2, -1 To 1) {1, 2, 3, 4, 5, 6}");
  VariantValue date = Of(VT_DATE, 36527.75);
  const VariantValue kept[] = {
      Of(VT_UI1, uint8_t{200}),
      Of(VT_I2, int16_t{-300}),
      70000L,
      Of(VT_I8, (1LL << 40) + 1),
      Of(VT_R4, 1.5f),
      -2.25,
      Of(VT_CY, int64_t{-123456789}),
      date,
      Parsed(L"Decimal -12912720851.5966861411"),
      L" text ",
      Of(VT_ERROR, SCODE(0x800A0005)),
      true,
      Of(VT_NULL, 0),
      VariantValue(),
      grid,
      Parsed(L"Array BSTR (0 To 1) {\"a\", \"\"}"),
      Parsed(L"Array Variant (1 To 3) {" + VariantText(grid.Raw()) + L", " + VariantText(date.Raw()) +
             L", Array Variant ()}"),
      Parsed(L"Array UI1 (0 To -1) {}"),
      Parsed(L"Array Decimal (0 To 0) {-12912720851.5966861411}"),
      Parsed(L"Array CY (0 To 0, 0 To 0) {-12345.6789}"),
      Parsed(L"Array Error (0 To 0) {0x80020004}"),
  };
  DispatchClient pane = Pane(1);
  for (const VariantValue& value : kept) {
    pane.Put(L"Tag", value);
    EXPECT_TRUE(SameVariant(value.Raw(), pane.Get(L"Tag").Raw())) << "Tag of type " << value.Type();
    if (value.Type() & VT_ARRAY) continue;  // a key is text to compare: an array is a type mismatch
    pane.Put(L"Key", value);
    EXPECT_TRUE(SameVariant(value.Raw(), pane.Get(L"Key").Raw())) << "Key of type " << value.Type();
  }
  EXPECT_DISPATCH_ERROR(pane.Put(L"Key", grid), kTypeMismatch, L"Type mismatch", ErrorOrigin::Runtime);

  // Integer types that the form languages lack come back as the next type they have.
  const std::pair<VariantValue, VariantValue> widened[] = {
      {Of(VT_I1, int8_t{-5}), Of(VT_I2, int16_t{-5})},
      {Of(VT_UI2, uint16_t{60000}), 60000L},
      {Of(VT_INT, -7), -7L},
      {Of(VT_UI4, 4000000000u), Of(VT_I8, 4000000000LL)},
      {Of(VT_UI8, ~0ull), Parsed(L"Decimal 18446744073709551615")}};
  for (const auto& [given, expected] : widened) {
    pane.Put(L"Tag", given);
    EXPECT_TRUE(SameVariant(expected.Raw(), pane.Get(L"Tag").Raw())) << "type " << given.Type();
  }
}

// Pane writes in the container's scale units; units the control does not know (0 units per
// pixel) make them divide by zero, while reads stay in twips. A control with no container at
// all (a script's) writes in twips, as it reads.
struct ScaleCase {
  const char* label;
  bool withSite;
  std::optional<std::wstring> scaleUnits;
  int32_t unitsPerPixel;
};

class ScaleUnits : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleUnits, ConvertPaneWrites) {
  SplitterInstance splitter(SplitterOptions{.scaleUnits = GetParam().scaleUnits, .withSite = GetParam().withSite});
  DispatchClient panes = splitter.Panes();
  panes.Call(L"Add");
  DispatchClient pane = panes.Object(L"Item", 1);
  const int32_t perPixel = GetParam().unitsPerPixel;
  EXPECT_EQ(pane.Get(L"Minimum").AsLong(), 10 * perPixel);
  if (perPixel == 0) {
    EXPECT_DISPATCH_ERROR(pane.Put(L"Width", 1500), kDivisionByZero, L"Division by zero", ErrorOrigin::Runtime);
    EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(158));
  } else {
    pane.Put(L"Width", 100 * perPixel);
    EXPECT_EQ(pane.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
  }
}

INSTANTIATE_TEST_SUITE_P(Sites, ScaleUnits,
                         ::testing::Values(ScaleCase{"NoAmbient", true, std::nullopt, 0},
                                           ScaleCase{"Pixel", true, std::wstring(L"Pixel"), 1},
                                           ScaleCase{"NoSite", false, std::nullopt, kTwipsPerPixel}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
