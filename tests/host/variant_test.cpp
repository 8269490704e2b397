#include "host/variant.h"

#include <gtest/gtest.h>

#include "host/error.h"
#include "host/screen.h"
#include "tests/support/error_matchers.h"

namespace {

using host::Variant;
namespace err = host::err;

TEST(VariantToLong, RoundsHalvesToEven) {
  EXPECT_EQ(Variant(2.5).ToLong(), 2);
  EXPECT_EQ(Variant(3.5).ToLong(), 4);
  EXPECT_EQ(Variant(-2.5).ToLong(), -2);
  EXPECT_EQ(Variant(-3.5).ToLong(), -4);
  EXPECT_EQ(Variant(2.5000001).ToLong(), 3);
  EXPECT_EQ(Variant(u"  7.5 ").ToLong(), 8);
  EXPECT_EQ(Variant(true).ToLong(), -1);
  EXPECT_EQ(Variant().ToLong(), 0);
}

TEST(VariantToLong, FailsOutsideTheLongRangeAndOnText) {
  EXPECT_EQ(Variant(2147483647.0).ToLong(), 2147483647);
  EXPECT_EQ(Variant(-2147483648.0).ToLong(), INT32_MIN);
  EXPECT_OV_ERROR(Variant(2147483647.5).ToLong(), err::kOverflow, "Overflow");
  EXPECT_OV_ERROR(Variant(-2147483649.0).ToLong(), err::kOverflow, "Overflow");
  EXPECT_OV_ERROR(Variant(u"abc").ToLong(), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Null().ToLong(), err::kInvalidUseOfNull, "Invalid use of Null");
  EXPECT_OV_ERROR(Variant(int32_t{40000}).ToInteger(), err::kOverflow, "Overflow");
  EXPECT_EQ(Variant(int32_t{-32768}).ToInteger(), -32768);
}

TEST(VariantNumericStrings, AcceptTheFormsOfTheFormLanguages) {
  for (const char16_t* text : {u"2", u" 2 ", u"-3", u"+4.25", u".5", u"1e3", u"1D2", u"&H1F", u"&o17"})
    EXPECT_TRUE(Variant(text).IsNumeric()) << host::ToUtf8(text);
  for (const char16_t* text : {u"", u"  ", u"abc", u"2x", u"1e", u"&H", u"&HG", u"-", u"."})
    EXPECT_FALSE(Variant(text).IsNumeric()) << host::ToUtf8(text);
  EXPECT_EQ(Variant(u"&HFFFFFFFF").ToLong(), -1);
  EXPECT_EQ(Variant(u"1e3").ToLong(), 1000);
  EXPECT_TRUE(Variant().IsNumeric());
  EXPECT_FALSE(Variant::Null().IsNumeric());
  EXPECT_FALSE(Variant::Nothing().IsNumeric());
}

TEST(VariantToStringAndBoolean, FollowTheFormLanguages) {
  EXPECT_EQ(host::ToUtf8(Variant(int32_t{-12}).ToString()), "-12");
  EXPECT_EQ(host::ToUtf8(Variant(1.5).ToString()), "1.5");
  EXPECT_EQ(host::ToUtf8(Variant(0.1).ToString()), "0.1");
  EXPECT_EQ(host::ToUtf8(Variant(true).ToString()), "True");
  EXPECT_EQ(host::ToUtf8(Variant().ToString()), "");
  EXPECT_TRUE(Variant(u"true").ToBoolean());
  EXPECT_FALSE(Variant(u"False").ToBoolean());
  EXPECT_TRUE(Variant(u"2").ToBoolean());
  EXPECT_FALSE(Variant(0.0).ToBoolean());
  EXPECT_OV_ERROR(Variant(u"maybe").ToBoolean(), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Nothing().ToString(), err::kTypeMismatch, "Type mismatch");
}

TEST(VariantEquality, FollowsTheFormLanguagesEqualSign) {
  EXPECT_TRUE(VariantEquals(Variant(), Variant(u"")));
  EXPECT_TRUE(VariantEquals(Variant(), Variant(int32_t{0})));
  EXPECT_TRUE(VariantEquals(Variant(), Variant()));
  EXPECT_FALSE(VariantEquals(Variant(), Variant(u"a")));
  EXPECT_TRUE(VariantEquals(Variant(u"abc"), Variant(u"abc")));
  EXPECT_FALSE(VariantEquals(Variant(u"abc"), Variant(u"ABC")));
  EXPECT_TRUE(VariantEquals(Variant(int32_t{2}), Variant(2.0)));
  EXPECT_FALSE(VariantEquals(Variant(int32_t{2}), Variant(u"2")));
  EXPECT_FALSE(VariantEquals(Variant::Null(), Variant::Null()));
  EXPECT_TRUE(VariantEquals(Variant(true), Variant(int32_t{-1})));

  auto object = std::make_shared<host::Object>();
  EXPECT_TRUE(VariantEquals(Variant(object), Variant(object)));
  EXPECT_FALSE(VariantEquals(Variant(object), Variant(std::make_shared<host::Object>())));
  EXPECT_FALSE(VariantEquals(Variant(object), Variant()));
  EXPECT_TRUE(VariantEquals(Variant::Nothing(), Variant::Nothing()));
}

TEST(Text, TrimsBlanksAndComparesWithoutCase) {
  EXPECT_EQ(host::Trim(u"  a b \t "), u"a b \t");
  EXPECT_EQ(host::Trim(u"   "), u"");
  EXPECT_TRUE(host::TextEqualsIgnoringCase(u"Abc", u"aBC"));
  EXPECT_TRUE(host::TextEqualsIgnoringCase(u"\u00C4rger", u"\u00E4RGER"));
  EXPECT_TRUE(host::TextEqualsIgnoringCase(u"\u0416", u"\u0436"));
  EXPECT_FALSE(host::TextEqualsIgnoringCase(u"abc", u"abd"));
  EXPECT_EQ(host::ToUtf8(host::FromUtf8("Fenster \xC3\xA4 \xF0\x9F\x98\x80")), "Fenster \xC3\xA4 \xF0\x9F\x98\x80");
}

TEST(ErrorNumbers, MapToTheirHresults) {
  auto component = host::Error::Component(err::kReadOnly, u"x");
  EXPECT_EQ(static_cast<uint32_t>(component.hresult()), 0x8004041Au);
  EXPECT_EQ(host::ToUtf8(component.source()), "OrvaneSplitter");
  EXPECT_EQ(host::ToUtf8(component.helpFile()), "OvSplitter.hlp");
  EXPECT_EQ(static_cast<uint32_t>(host::Error::Runtime(err::kOverflow).hresult()), 0x800A0006u);
  EXPECT_TRUE(host::Error::Bare(err::kIndexOutOfBounds, u"x").source().empty());
}

TEST(ScreenUnits, ComeFromLogicalPixelsPerInch) {
  EXPECT_DOUBLE_EQ(host::Screen(96, 96).TwipsPerPixelX(), 15);
  EXPECT_DOUBLE_EQ(host::Screen(120, 144).TwipsPerPixelY(), 10);
  host::Screen screen;
  EXPECT_DOUBLE_EQ(screen.ScaleX(1, host::ScaleMode::Pixels, host::ScaleMode::Points), 0.75);
  EXPECT_NEAR(screen.ScaleX(96, host::ScaleMode::Pixels, host::ScaleMode::Millimeters), 25.4, 1e-9);
}

}  // namespace
