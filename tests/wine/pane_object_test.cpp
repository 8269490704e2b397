// One pane's properties through late binding: values, unit conversion, errors.

#include <gtest/gtest.h>

#include <olectl.h>

#include <cstring>
#include <vector>

#include "expect_dispatch_error.h"
#include "same_variant.h"
#include "com/unique_handle.h"
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

  // A picture, which the control keeps as a picture it can save, comes back as itself.
  PICTDESC description{sizeof(PICTDESC), PICTYPE_ICON, {}};
  description.icon.hicon = LoadIconW(nullptr, IDI_APPLICATION);
  IPictureDisp* icon = nullptr;
  ASSERT_EQ(OleCreatePictureIndirect(&description, IID_IPictureDisp, TRUE, reinterpret_cast<void**>(&icon)), S_OK);
  DispatchClient picture(icon);
  icon->Release();
  pane.PutRef(L"Tag", VariantValue(picture.Pointer()));
  EXPECT_EQ(DispatchClient::From(pane.Get(L"Tag")).Identity(), picture.Identity());
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

// VARIANTs of every automation type as a client builds them.
VariantValue Made(VARTYPE type, void (*fill)(VARIANT&)) {
  VariantValue value;
  fill(value.Raw());
  value.Raw().vt = type;  // after the fields: a DECIMAL shares the type's bytes
  return value;
}

// A SAFEARRAY of the element type, its elements given in storage order.
VariantValue ArrayOf(VARTYPE type, std::vector<SAFEARRAYBOUND> bounds, const std::vector<VariantValue>& elements) {
  VariantValue value;
  value.Raw().vt = VT_ARRAY | type;
  if (bounds.empty()) return value;  // an array not dimensioned yet
  SAFEARRAY* array = SafeArrayCreate(type, static_cast<UINT>(bounds.size()), bounds.data());
  V_ARRAY(&value.Raw()) = array;
  UINT size = SafeArrayGetElemsize(array);
  win32::AccessedArray access(array);
  for (size_t i = 0; i < elements.size(); ++i) {
    auto* slot = static_cast<BYTE*>(access.data()) + i * size;
    VARIANT copy;
    VariantInit(&copy);
    VariantCopy(&copy, const_cast<VARIANT*>(&elements[i].Raw()));
    DECIMAL decimal = V_DECIMAL(&copy);
    decimal.wReserved = 0;
    if (type == VT_VARIANT)
      *reinterpret_cast<VARIANT*>(slot) = copy;
    else if (type == VT_DECIMAL)
      std::memcpy(slot, &decimal, size);
    else
      std::memcpy(slot, &V_UI1(&copy), size);  // the array owns what the copy held
  }
  return value;
}

std::vector<VariantValue> EveryAutomationType() {
  VariantValue grid = ArrayOf(VT_I4, {{2, 1}, {3, -1}}, {1L, 2L, 3L, 4L, 5L, 6L});
  VariantValue date = Made(VT_DATE, [](VARIANT& v) { V_DATE(&v) = 36527.75; });
  VariantValue decimal = Made(VT_DECIMAL, [](VARIANT& v) {
    V_DECIMAL(&v).scale = 10, V_DECIMAL(&v).sign = DECIMAL_NEG, V_DECIMAL(&v).Hi32 = 7, V_DECIMAL(&v).Lo64 = 99;
  });
  VariantValue currency = Made(VT_CY, [](VARIANT& v) { V_CY(&v).int64 = -123456789; });
  return {
      Made(VT_UI1, [](VARIANT& v) { V_UI1(&v) = 200; }),
      Made(VT_I2, [](VARIANT& v) { V_I2(&v) = -300; }),
      70000L,
      Made(VT_I8, [](VARIANT& v) { V_I8(&v) = (1LL << 40) + 1; }),
      Made(VT_R4, [](VARIANT& v) { V_R4(&v) = 1.5f; }),
      -2.25,
      currency,
      date,
      decimal,
      L" text ",
      Made(VT_ERROR, [](VARIANT& v) { V_ERROR(&v) = 0x800A0005; }),
      true,
      Made(VT_NULL, [](VARIANT&) {}),
      VariantValue(),
      grid,
      ArrayOf(VT_BSTR, {{2, 0}}, {L"a", L""}),
      ArrayOf(VT_VARIANT, {{3, 1}}, {grid, date, ArrayOf(VT_VARIANT, {}, {})}),
      ArrayOf(VT_UI1, {{0, 0}}, {}),
      ArrayOf(VT_DECIMAL, {{1, 0}}, {decimal}),
      ArrayOf(VT_CY, {{1, 0}, {1, 0}}, {currency}),
      ArrayOf(VT_ERROR, {{1, 0}}, {Made(VT_ERROR, [](VARIANT& v) { V_ERROR(&v) = DISP_E_PARAMNOTFOUND; })}),
  };
}

TEST_F(PaneProperties, TagAndKeyKeepEveryAutomationType) {
  DispatchClient pane = Pane(1);
  for (const VariantValue& value : EveryAutomationType()) {
    pane.Put(L"Tag", value);
    EXPECT_TRUE(SameVariant(value.Raw(), pane.Get(L"Tag").Raw())) << "Tag of type " << value.Type();
    if (value.Type() & VT_ARRAY) continue;  // a key is text to compare: an array is a type mismatch
    pane.Put(L"Key", value);
    EXPECT_TRUE(SameVariant(value.Raw(), pane.Get(L"Key").Raw())) << "Key of type " << value.Type();
  }
  EXPECT_DISPATCH_ERROR(pane.Put(L"Key", ArrayOf(VT_I4, {{1, 0}}, {1L})), 0x800A000D, L"Type mismatch",
                        ErrorOrigin::Runtime);
}

TEST_F(PaneProperties, IntegerTypesTheFormLanguagesLackComeBackWidened) {
  struct Case {
    VariantValue given;
    VariantValue expected;
  };
  const Case cases[] = {
      {Made(VT_I1, [](VARIANT& v) { V_I1(&v) = -5; }), Made(VT_I2, [](VARIANT& v) { V_I2(&v) = -5; })},
      {Made(VT_UI2, [](VARIANT& v) { V_UI2(&v) = 60000; }), 60000L},
      {Made(VT_INT, [](VARIANT& v) { V_INT(&v) = -7; }), -7L},
      {Made(VT_UI4, [](VARIANT& v) { V_UI4(&v) = 4000000000u; }),
       Made(VT_I8, [](VARIANT& v) { V_I8(&v) = 4000000000LL; })},
      {Made(VT_UI8, [](VARIANT& v) { V_UI8(&v) = ~0ull; }), Made(VT_DECIMAL,
                                                                 [](VARIANT& v) {
                                                                   V_DECIMAL(&v).scale = 0, V_DECIMAL(&v).sign = 0,
                                                                   V_DECIMAL(&v).Hi32 = 0, V_DECIMAL(&v).Lo64 = ~0ull;
                                                                 })},
  };
  DispatchClient pane = Pane(1);
  for (const Case& c : cases) {
    pane.Put(L"Tag", c.given);
    EXPECT_TRUE(SameVariant(c.expected.Raw(), pane.Get(L"Tag").Raw())) << "type " << c.given.Type();
  }
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
    EXPECT_DISPATCH_ERROR(pane.Put(L"Minimum", 100), kDivisionByZero, L"Division by zero", ErrorOrigin::Runtime);
    EXPECT_EQ(pane.Get(L"Width").AsLong(), InnerTwips3D(158));
  } else {
    pane.Put(L"Width", 100 * perPixel);
    EXPECT_EQ(pane.Get(L"Width").AsLong(), 100 * kTwipsPerPixel);
  }
}

INSTANTIATE_TEST_SUITE_P(Sites, ScaleUnits,
                         ::testing::Values(ScaleCase{"NoAmbient", true, std::nullopt, 0},
                                           ScaleCase{"Empty", true, std::wstring(), 0},
                                           ScaleCase{"Unlisted", true, std::wstring(L"twip"), 0},
                                           ScaleCase{"Pixel", true, std::wstring(L"Pixel"), 1},
                                           ScaleCase{"NoSite", false, std::nullopt, kTwipsPerPixel}),
                         [](const auto& info) { return std::string(info.param.label); });

}  // namespace
