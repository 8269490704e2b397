#include <gtest/gtest.h>

#include <vector>

#include "sim/sim_property_bag.h"

namespace host::sim {
namespace {

TEST(SimPropertyBag, LeavesOutValuesEqualToTheirDefaultAsFormLanguagesCompare) {
  SimPropertyBag bag;
  bag.WriteProperty(u"EmptyAsText", Variant(), u"");
  bag.WriteProperty(u"TextAsEmpty", u"", Variant());
  bag.WriteProperty(u"ZeroAsEmpty", int16_t{0}, Variant());
  bag.WriteProperty(u"LongAsInteger", int32_t{3}, int16_t{3});
  bag.WriteProperty(u"Null", Variant::Null(), Variant::Null());  // Null never equals
  bag.WriteProperty(u"DigitsAsNumber", u"0", int16_t{0});        // a text never equals a number
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

}  // namespace
}  // namespace host::sim
