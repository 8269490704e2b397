#include "host/variant.h"

#include <gtest/gtest.h>

#include "host/error.h"
#include "host/screen.h"
#include "tests/support/error_matchers.h"

namespace {

using host::Variant;
namespace err = host::err;

TEST(VariantToLong, RoundsHalvesToEvenWithinTheLongRange) {
  for (auto [value, expected] :
       {std::pair(Variant(2.5), 2), std::pair(Variant(3.5), 4), std::pair(Variant(-2.5), -2),
        std::pair(Variant(-3.5), -4), std::pair(Variant(2.5000001), 3), std::pair(Variant(u"  7.5 "), 8),
        std::pair(Variant(true), -1), std::pair(Variant(), 0), std::pair(Variant(2147483647.0), INT32_MAX),
        std::pair(Variant(-2147483648.0), INT32_MIN)})
    EXPECT_EQ(value.ToLong(), expected) << host::ToUtf8(value.ToString());
}

TEST(VariantToLong, FailsOutsideTheLongRangeAndOnText) {
  EXPECT_OV_ERROR(Variant(2147483647.5).ToLong(), err::kOverflow, "Overflow");
  EXPECT_OV_ERROR(Variant(-2147483649.0).ToLong(), err::kOverflow, "Overflow");
  EXPECT_OV_ERROR(Variant(u"abc").ToLong(), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Null().ToLong(), err::kInvalidUseOfNull, "Invalid use of Null");
  EXPECT_OV_ERROR(Variant(40000).ToInteger(), err::kOverflow, "Overflow");
  EXPECT_EQ(Variant(-32768).ToInteger(), -32768);
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
  for (auto [value, text] :
       {std::pair(Variant(-12), "-12"), std::pair(Variant(1.5), "1.5"), std::pair(Variant(0.1), "0.1"),
        std::pair(Variant(true), "True"), std::pair(Variant(), "")})
    EXPECT_EQ(host::ToUtf8(value.ToString()), text);
  for (auto [value, truth] :
       {std::pair{Variant(u"true"), true}, {Variant(u"False"), false}, {Variant(u"2"), true}, {Variant(0.0), false}})
    EXPECT_EQ(value.ToBoolean(), truth) << host::ToUtf8(value.ToString());
  EXPECT_OV_ERROR(Variant(u"maybe").ToBoolean(), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Nothing().ToString(), err::kTypeMismatch, "Type mismatch");
}

TEST(VariantEquality, FollowsTheFormLanguagesEqualSign) {
  auto object = std::make_shared<host::Object>();
  for (auto [a, b] : {std::pair(Variant(), Variant(u"")), std::pair(Variant(), Variant(0)),
                      std::pair(Variant(), Variant()), std::pair(Variant(u"abc"), Variant(u"abc")),
                      std::pair(Variant(2), Variant(2.0)), std::pair(Variant(true), Variant(-1)),
                      std::pair(Variant(object), Variant(object)), std::pair(Variant::Nothing(), Variant::Nothing())})
    EXPECT_TRUE(VariantEquals(a, b));
  for (auto [a, b] :
       {std::pair(Variant(), Variant(u"a")), std::pair(Variant(u"abc"), Variant(u"ABC")),
        std::pair(Variant(2), Variant(u"2")), std::pair(Variant::Null(), Variant::Null()),
        std::pair(Variant(object), Variant(std::make_shared<host::Object>())), std::pair(Variant(object), Variant())})
    EXPECT_FALSE(VariantEquals(a, b));
}

host::DecimalNumber Dec(uint64_t low, uint8_t scale, bool negative = false, uint32_t high = 0) {
  return {high, low, scale, negative};
}

TEST(VariantWiderTypes, ConvertAndPrintAsTheFormLanguagesDo) {
  for (auto [value, text, number] :
       {std::tuple(Variant::Byte(200), "200", 200.0),
        std::tuple(Variant::LongLong(-9007199254740993LL), "-9007199254740993", -9007199254740992.0),
        std::tuple(Variant::Currency(15000), "1.5", 1.5), std::tuple(Variant::Currency(-1), "-0.0001", -0.0001),
        std::tuple(Variant::Currency(INT64_MIN), "-922337203685477.5808", -922337203685477.5808),
        std::tuple(Variant::Decimal(Dec(1500, 3, true)), "-1.5", -1.5),
        std::tuple(Variant::Decimal(Dec(0, 28, false, 1)), "0.0000000018446744073709551616", 18446744073709551616e-28),
        std::tuple(Variant::Decimal(Dec(0, 0, false, 0xFFFFFFFF)), "79228162495817593519834398720",
                   79228162495817593519834398720.0),
        std::tuple(Variant::Date(36527.0), "1/2/2000", 36527.0),
        std::tuple(Variant::Date(36527.0 + 15.0 / 24 + 4.0 / 1440 + 5.0 / 86400), "1/2/2000 3:04:05 PM",
                   36527.62783564815),
        std::tuple(Variant::Date(0.5), "12:00:00 PM", 0.5), std::tuple(Variant::Date(0), "12:00:00 AM", 0.0),
        std::tuple(Variant::Date(-1.25), "12/29/1899 6:00:00 AM", -1.25),
        std::tuple(Variant::Date(2958465), "12/31/9999", 2958465.0)}) {
    EXPECT_EQ(host::ToUtf8(value.ToString()), text);
    EXPECT_DOUBLE_EQ(value.ToDouble(), number) << text;
    EXPECT_EQ(value.ToBoolean(), number != 0) << text;
  }
  EXPECT_EQ(Variant::Currency(25000).ToLong(), 2);
  EXPECT_EQ(Variant::Currency(35000).ToInteger(), 4);
  EXPECT_OV_ERROR(Variant::LongLong(1LL << 31).ToLong(), err::kOverflow, "Overflow");
  EXPECT_OV_ERROR(Variant::Date(1e7).ToString(), err::kOverflow, "Overflow");
  EXPECT_EQ(host::ToUtf8(Variant::ErrorValue(5).ToString()), "Error 5");
  EXPECT_TRUE(Variant::ErrorValue(Variant::kParamNotFound).IsMissing());
  for (const Variant& v : {Variant::Byte(1), Variant::LongLong(1), Variant::Currency(1), Variant::Decimal(Dec(1, 0))})
    EXPECT_TRUE(v.IsNumeric());
  Variant array = Variant::Array(Variant::Type::Long, {{0, 2}}, {Variant(1), Variant(2)});
  EXPECT_FALSE(Variant::Date(1).IsNumeric());  // yet it converts to a number
  for (const Variant& v : {Variant::ErrorValue(5), array}) {
    EXPECT_FALSE(v.IsNumeric());
    EXPECT_OV_ERROR(v.ToLong(), err::kTypeMismatch, "Type mismatch");
  }
  EXPECT_OV_ERROR(array.ToString(), err::kTypeMismatch, "Type mismatch");
}

TEST(VariantWiderTypes, CompareByValueAndArraysNever) {
  Variant empty = Variant::Array(Variant::Type::Variant, {}, {});
  for (auto [a, b] :
       {std::pair(Variant::Byte(2), Variant(2)), std::pair(Variant::LongLong(2), Variant(2)),
        std::pair(Variant::Currency(20000), Variant(2)), std::pair(Variant::Date(2), Variant(2)),
        std::pair(Variant::Decimal(Dec(200, 2)), Variant(2)),
        std::pair(Variant::Decimal(Dec(0, 0, true)), Variant::Decimal(Dec(0, 5))),
        std::pair(Variant::Date(0), Variant()), std::pair(Variant::ErrorValue(5), Variant::ErrorValue(5))})
    EXPECT_TRUE(VariantEquals(a, b));
  for (auto [a, b] : {std::pair(Variant::LongLong(9007199254740993LL), Variant::LongLong(9007199254740992LL)),
                      std::pair(Variant::Decimal(Dec(1, 28)), Variant::Decimal(Dec(2, 28))),
                      std::pair(Variant::Date(0), Variant(u"")), std::pair(Variant::ErrorValue(5), Variant(5)),
                      std::pair(empty, empty), std::pair(empty, Variant())})
    EXPECT_FALSE(VariantEquals(a, b));
  EXPECT_TRUE(host::Identical(empty, Variant::Array(Variant::Type::Variant, {}, {})));
  EXPECT_FALSE(host::Identical(Variant::Date(2), Variant(2.0)));
  EXPECT_FALSE(host::Identical(Variant::Decimal(Dec(20, 1)), Variant::Decimal(Dec(2, 0))));
}

TEST(VariantArrays, HoldElementsOfTheirTypeInEveryDimension) {
  using T = Variant::Type;
  std::vector<Variant> six(6, Variant(int16_t{7}));
  Variant grid = Variant::Array(T::Integer, {{1, 2}, {-1, 3}}, six);
  EXPECT_EQ(grid.AsArray().elements.size(), 6u);
  EXPECT_OV_ERROR(Variant::Array(T::Integer, {{1, 2}, {0, 2}}, six), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Array(T::Long, {{0, 6}}, six), err::kTypeMismatch, "Type mismatch");
  EXPECT_OV_ERROR(Variant::Array(T::Empty, {}, {}), err::kTypeMismatch, "Type mismatch");
  EXPECT_NO_THROW(Variant::Array(T::Error, {{0, 1}}, {Variant::Missing()}));
  EXPECT_NO_THROW(Variant::Array(T::Variant, {{0, 2}}, {grid, Variant::Null()}));
  host::ArrayBound huge{0, 0x10000};
  EXPECT_FALSE(host::ArrayElementCount(std::vector{huge, huge}).has_value());
  EXPECT_EQ(host::ArrayElementCount(std::vector{huge, host::ArrayBound{5, 0}}), 0u);
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
  // The numbers clients test for.
  for (auto [number, hresult] :
       {std::pair(err::kReadOnly, 0x8004041Au), std::pair(err::kInvalidValue, 0x8004041Bu),
        std::pair(err::kOutOfRange, 0x8004041Cu), std::pair(err::kIndexOutOfBounds, 0x8004041Du),
        std::pair(err::kBelowMinimum, 0x8004041Fu)})
    EXPECT_EQ(static_cast<uint32_t>(host::Error::Component(number, u"x").hresult()), hresult);
  auto component = host::Error::Component(err::kReadOnly, u"x");
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
