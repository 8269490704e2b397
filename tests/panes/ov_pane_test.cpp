// The pane's public properties: units, validation, errors and change notification.
#include <gtest/gtest.h>

#include <array>

#include "tests/support/error_matchers.h"
#include "tests/support/pane_fixture.h"

namespace {

using host::Variant;
namespace err = host::err;
using Pane = testing_support::PaneFixture;
using Strings = std::vector<std::string>;

TEST_F(Pane, NewPaneDefaults) {
  auto pane = panes->Add();
  EXPECT_EQ(std::tuple(pane->Appearance(), pane->ResizeChildControl(), pane->Minimum(), pane->Index(), pane->Name()),
            std::tuple(1, true, 150, 1, host::String(u"Pane 1")));
  EXPECT_TRUE(pane->Key().IsEmpty() && pane->Tag().IsEmpty());
}

TEST_F(Pane, MinimumIsCheckedAgainstTheExtentAlongTheOrientation) {
  auto first = panes->Add();
  first->SetExtentPixels(panes::Dimension::X, 100);
  first->SetMinimum(1500);  // 100 px: equal to the width
  EXPECT_EQ(first->MinimumPixels(), 100);
  EXPECT_OV_ERROR(first->SetMinimum(1501), err::kInvalidValue, "Minimum must be less than or equal to Width.");
  EXPECT_EQ(first->MinimumPixels(), 100);
  first->SetMinimum(0);
  EXPECT_EQ(first->Minimum(), 0);
  EXPECT_OV_ERROR(first->SetMinimum(-1), err::kOutOfRange, "Minimum must be greater than 0.");
  first->SetMinimum(22);  // 1.4666 px rounds to 1
  EXPECT_EQ(first->MinimumPixels(), 1);

  Configure(1, 400, 300);
  first->SetExtentPixels(panes::Dimension::Y, 100);
  EXPECT_OV_ERROR(first->SetMinimum(1501), err::kInvalidValue, "Minimum must be less than or equal to Height.");
  first->SetMinimum(0);
  first->SetExtentPixels(panes::Dimension::Y, 0);
  first->SetMinimum(150000);  // an extent of 0 accepts any minimum
  EXPECT_EQ(first->MinimumPixels(), 10000);
}

TEST_F(Pane, WidthStoresPixelsWithTheFrameAndRaisesToTheMinimum) {
  auto first = panes->Add();
  auto second = panes->Add();
  events.log.clear();
  first->SetWidth(100 * 15);
  EXPECT_EQ(first->ExtentPixels(panes::Dimension::X), 104);
  EXPECT_EQ(first->Width(), 1500);
  second->SetAppearance(0);
  second->SetWidth(100 * 15);
  EXPECT_EQ(second->ExtentPixels(panes::Dimension::X), 100);
  second->SetWidth(3 * 15);  // below the minimum of 10: raised, no error
  EXPECT_EQ(second->ExtentPixels(panes::Dimension::X), 10);
  second->SetWidth(157);  // 10.47 px
  EXPECT_EQ(second->ExtentPixels(panes::Dimension::X), 10);
  EXPECT_EQ(events.log, (Strings{"PaneChanged Pane 1 Width", "PaneChanged Pane 2 Appearance",
                                 "PaneChanged Pane 2 Width", "PaneChanged Pane 2 Width", "PaneChanged Pane 2 Width"}));
}

TEST_F(Pane, WidthAndHeightAreReadOnlyAcrossTheOrientationOrWithOnePane) {
  auto only = panes->Add();
  EXPECT_OV_ERROR(only->SetWidth(1500), err::kOutOfRange, "Width is read-only when there is only 1 Pane.");
  EXPECT_OV_ERROR(only->SetHeight(1500), err::kReadOnly, "Height is read-only at runtime.");
  panes->Add();
  Configure(1, 400, 300);
  EXPECT_OV_ERROR(only->SetWidth(1500), err::kReadOnly, "Width is read-only at runtime.");
  only->SetHeight(1500);
  EXPECT_EQ(only->ExtentPixels(panes::Dimension::Y), 104);
  panes->Remove(Variant(int32_t{2}));
  EXPECT_OV_ERROR(only->SetHeight(1500), err::kOutOfRange, "Height is read-only when there is only 1 Pane.");
  EXPECT_OV_ERROR(only->SetLeft(0), err::kReadOnly, "Left is Read-Only at runtime.");
  EXPECT_OV_ERROR(only->SetTop(0), err::kReadOnly, "Top is Read-Only at runtime.");
  EXPECT_OV_ERROR(only->SetIndexProperty(5), err::kReadOnly, "Index is Read-Only at runtime.");
  EXPECT_EQ(only->Index(), 1);
}

TEST_F(Pane, ZeroUnitsPerPixelFailsTheConversions) {
  auto first = panes->Add();
  panes->Add();
  panes->SetUnitsPerPixel(0);
  EXPECT_OV_ERROR(first->SetWidth(1500), err::kDivisionByZero, "Division by zero");
  EXPECT_OV_ERROR(first->SetMinimum(15), err::kDivisionByZero, "Division by zero");
  EXPECT_EQ(first->Minimum(), 0);
  panes->SetUnitsPerPixel(1);
  EXPECT_OV_ERROR(first->SetWidth(INT32_MAX), err::kOverflow, "Overflow");
}

TEST_F(Pane, KeysAreUniqueIgnoringCaseAndBlanks) {
  auto first = panes->Add(Variant::Missing(), Variant(u"ABC"));
  auto second = panes->Add();
  EXPECT_OV_ERROR(second->SetKey(Variant(u"  abc ")), err::kInvalidValue, "Key already exists.");
  EXPECT_OV_ERROR(first->SetKey(Variant(u"ABC")), err::kInvalidValue, "Key already exists.");
  second->SetKey(Variant(u""));
  second->SetKey(Variant(u"   "));
  second->SetKey(Variant(u" def "));
  EXPECT_EQ(second->Key().ToString(), u" def ");  // stored as given
  EXPECT_OV_ERROR(first->SetKey(Variant(u"DEF")), err::kInvalidValue, "Key already exists.");
}

TEST_F(Pane, TagLetIgnoresAnEqualValueButSetAlwaysNotifies) {
  auto pane = panes->Add();
  events.log.clear();
  pane->SetTag(Variant(u"x"));
  pane->SetTag(Variant(u"x"));
  pane->SetTag(Variant());     // Empty differs from "x"
  pane->SetTag(Variant(u""));  // "" equals Empty
  auto object = std::make_shared<host::Object>();
  pane->SetTagReference(Variant(object));
  pane->SetTagReference(Variant(object));
  pane->SetTag(Variant(object));  // the stored tag is an object: always taken
  EXPECT_EQ(events.log.size(), 5u);
  EXPECT_EQ(pane->Tag().AsObject(), object);
}

TEST_F(Pane, GeometryReadsInTwipsInsideTheFrame) {
  panes->SetBorderOffset(2);
  auto first = panes->Add();
  auto second = panes->Add();
  first->SetExtentPixels(panes::Dimension::X, 100);
  second->SetAppearance(0);
  EXPECT_EQ((std::array{first->Left(), first->Top(), second->Left(), second->Top()}),
            (std::array{4 * 15, 4 * 15, 106 * 15, 2 * 15}));
  EXPECT_EQ(first->Height(), (300 - 4) * 15);  // full cross extent less the frame
  EXPECT_EQ(second->Height(), 300 * 15);
  panes->SetBounds(400, 2);
  EXPECT_EQ(first->Height(), 0);  // never below 0 across the orientation
}

TEST_F(Pane, RemovedPaneKeepsWorkingWithItsStaleIndex) {
  panes->Add();
  auto second = panes->Add();
  panes->Remove(Variant(int32_t{2}));
  EXPECT_EQ(second->Index(), 2);
  EXPECT_EQ(second->Left(), 2 * 15);  // no longer in the list: only its frame
  events.log.clear();
  second->SetName(u"gone");
  EXPECT_EQ(events.log, (Strings{"PaneChanged gone Name"}));
  std::weak_ptr<panes::OvPanes> collection = panes;
  panes.reset();
  EXPECT_TRUE(collection.expired());  // a pane does not keep its collection alive
  second->SetName(u"orphan");
  second->SetKey(Variant(u"k"));
  EXPECT_EQ(second->Name() + second->Key().ToString(), u"orphank");
  panes = panes::OvPanes::Create();
}

}  // namespace
