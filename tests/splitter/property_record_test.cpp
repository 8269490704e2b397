#include "host/memory_bag.h"
#include "splitter/property_record.h"

#include <gtest/gtest.h>

#include <cstring>

#include "host/error.h"
#include "sim/sim_picture.h"
#include "tests/support/error_matchers.h"

namespace host {
namespace {

using splitter::PropertyRecord;

using T = Variant::Type;
namespace sim = host::sim;

MemoryBag Reparse(const MemoryBag& record) {
  return PropertyRecord::Parse(PropertyRecord::Serialize(record), sim::SimPicture::Load);
}

Variant Longs(std::vector<ArrayBound> bounds) {
  std::vector<Variant> elements;
  for (uint32_t i = 0; i < ArrayElementCount(bounds).value_or(0); ++i) elements.emplace_back(int32_t(i * 7 - 3));
  return Variant::Array(T::Long, std::move(bounds), std::move(elements));
}

TEST(PropertyRecord, EveryValueTypeComesBackIdentical) {
  const Variant values[] = {
      Variant(),
      Variant::Null(),
      Variant::Missing(),
      Variant(true),
      Variant(false),
      Variant::Byte(255),
      Variant(int16_t{-32768}),
      Variant(int32_t{-123456789}),
      Variant::LongLong(INT64_MIN),
      Variant(1.25f),
      Variant(-0.0),
      Variant::Currency(-15001),
      Variant::Date(36527.75),
      Variant::Decimal({0xFFFFFFFF, 0x0123456789ABCDEFull, 28, true}),
      Variant(u"caf\u00e9 \xd83d\xde00 \xdc00"),  // a lone low surrogate is kept as it is
      Variant(u""),
      Variant::ErrorValue(0x800A0005),
      Variant::Nothing(),
      Longs({}),
      Longs({{5, 0}}),
      Longs({{-2, 3}, {1, 2}, {0, 2}}),
      Variant::Array(T::String, {{0, 2}}, {Variant(u"a"), Variant(u"")}),
      Variant::Array(T::Error, {{1, 2}}, {Variant::Missing(), Variant::ErrorValue(7)}),
      Variant::Array(T::Object, {{0, 1}}, {Variant::Nothing()}),
      Variant::Array(T::Variant, {{0, 3}}, {Longs({{0, 2}}), Variant::Date(1), Variant::Array(T::Variant, {}, {})})};
  MemoryBag record;
  for (size_t i = 0; i < std::size(values); ++i) record.Set(u"v" + DecimalText(static_cast<long long>(i)), values[i]);
  MemoryBag loaded = Reparse(record);
  ASSERT_EQ(loaded.Keys(), record.Keys());
  for (size_t i = 0; i < std::size(values); ++i)
    EXPECT_TRUE(Identical(loaded.Entries()[i].second, values[i])) << i << " " << static_cast<int>(values[i].type());
  EXPECT_EQ(PropertyRecord::Serialize(loaded), PropertyRecord::Serialize(record));
}

TEST(PropertyRecord, PicturesTravelAsTheirSavedFormAndOtherObjectsAreRefused) {
  MemoryBag record;
  record.Set(u"MouseIcon", Variant(ObjectRef(sim::SimPicture::Make(PictureType::Icon, "arrow"))));
  MemoryBag loaded = Reparse(record);
  auto picture = std::dynamic_pointer_cast<sim::SimPicture>(loaded.Value(u"MouseIcon").AsObject());
  ASSERT_TRUE(picture);
  EXPECT_EQ(picture->Type(), PictureType::Icon);
  EXPECT_EQ(picture->Label(), "arrow");

  record.Set(u"PaneTag2", Variant::Array(T::Variant, {{0, 1}}, {Variant(std::make_shared<Object>())}));
  EXPECT_OV_ERROR(PropertyRecord::Serialize(record), err::kStorageCannotSave,
                  "The property \"PaneTag2\" cannot be saved: it holds an object, and only pictures and Nothing are "
                  "saved.");
}

TEST(PropertyRecord, KeepsTheOrderOfFirstWritesAndTheDefaultRule) {
  MemoryBag record;
  record.WriteProperty(u"B", int32_t{1}, int32_t{0});
  record.WriteProperty(u"A", Variant::Date(0), Variant());  // equal to its default: left out
  record.WriteProperty(u"C", Longs({}), Variant());         // an array is never a default
  record.Set(u"B", Variant(u"x"));
  EXPECT_EQ(record.Keys(), (std::vector<String>{u"B", u"C"}));
  EXPECT_TRUE(Identical(record.ReadProperty(u"B", int16_t{0}), Variant(u"x")));  // as stored, not as the default
  EXPECT_EQ(record.ReadProperty(u"A", int16_t{4}).ToLong(), 4);
}

// A record written by hand: header, count, then the bytes given.
struct Bytes {
  std::vector<uint8_t> data;
  Bytes& Add(std::initializer_list<uint8_t> more) {
    data.insert(data.end(), more);
    return *this;
  }
  Bytes& Name(const char* ascii) {
    Add({static_cast<uint8_t>(std::strlen(ascii)), 0});
    for (const char* c = ascii; *c; ++c) Add({static_cast<uint8_t>(*c), 0});
    return *this;
  }
  std::vector<uint8_t> Record(uint32_t count) const {
    Bytes whole;
    uint32_t length = static_cast<uint32_t>(data.size() + 4);
    whole.Add({'O', 'V', 'S', 'R', 1, 0, uint8_t(length), uint8_t(length >> 8), 0, 0});
    whole.Add({uint8_t(count), uint8_t(count >> 8), uint8_t(count >> 16), uint8_t(count >> 24)});
    whole.data.insert(whole.data.end(), data.begin(), data.end());
    return whole.data;
  }
};

TEST(PropertyRecord, DamagedInputIsRefusedWithWhatIsWrong) {
  constexpr int32_t kRead = err::kStorageReadFault;
  constexpr int32_t kInvalid = err::kInvalidParameter;
  std::vector<uint8_t> valid = Bytes().Name("A").Add({3, 1, 0, 0, 0}).Record(1);
  ASSERT_EQ(PropertyRecord::Parse(valid, sim::SimPicture::Load).Value(u"A").ToLong(), 1);

  auto with = [&](size_t at, uint8_t value) {
    std::vector<uint8_t> changed = valid;
    changed.at(at) = value;
    return changed;
  };
  std::vector<uint8_t> truncated(valid.begin(), valid.end() - 1);
  std::vector<uint8_t> longer = valid;
  longer.push_back(0);
  const uint8_t kHugeDimension[] = {0, 0, 0, 0, 0, 0, 1, 0};
  Bytes twoHuge = Bytes().Name("Grid").Add({0x80, 17, 2});
  twoHuge.Add({0, 0, 0, 0, 0, 0, 1, 0}).data.insert(twoHuge.data.end(), kHugeDimension, kHugeDimension + 8);

  struct Case {
    std::vector<uint8_t> input;
    int32_t number;
    const char* what;
  };
  const Case cases[] = {
      {{}, kRead, "it ends early, at byte 0 of 0"},
      {truncated, kRead, "it ends after 22 of its 23 bytes"},
      {with(0, 'X'), kInvalid, "it is not a saved splitter record"},
      {with(4, 0), kInvalid, "unknown format 0"},
      {longer, kInvalid, "more data follows the end of the record"},
      {Bytes().Name("A").Add({3, 1, 0, 0, 0, 9}).Record(1), kInvalid, "more data follows the last property"},
      {Bytes().Name("A").Record(0x7FFFFFFF), kRead, "it ends early, at byte 14 of 18"},
      {with(18, 99), kInvalid, "unknown value type 99 in the property \"A\""},
      {with(18, 12), kInvalid, "unknown value type 12 in the property \"A\""},
      {Bytes().Name("S").Add({8, 0xFF, 0xFF, 0xFF, 0x7F, 'a', 0}).Record(1), kRead, "it ends early, at byte 23 of 25"},
      {Bytes().Add({0x01, 0x04, 0}).Record(1), kInvalid, "a property name is too long"},
      {Bytes().Name("B").Add({11, 2}).Record(1), kInvalid,
       "a Boolean that is neither True nor False in the property \"B\""},
      {Bytes().Name("D").Add({14, 29, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0}).Record(1), kInvalid,
       "a Decimal out of range in the property \"D\""},
      {Bytes().Name("A").Add({2, 1, 0}).Name("A").Add({0}).Record(2), kInvalid, "a second value in the property \"A\""},
      {Bytes().Name("P").Add({9, 1, 2, 0, 0, 0, 'X', 'Y'}).Record(1), kInvalid,
       "a picture that cannot be read in the property \"P\""},
      {Bytes().Name("O").Add({9, 7}).Record(1), kInvalid, "an unknown kind of object in the property \"O\""},
      {twoHuge.Record(1), kInvalid, "an array of too many elements in the property \"Grid\""},
      {Bytes().Name("L").Add({0x80, 3, 1, 0, 0, 0, 0, 0, 0, 1, 0}).Record(1), kRead, "it ends early, at byte 29 of 29"},
      {Bytes().Name("N").Add({0x80, 3, 1, 0xFF, 0xFF, 0xFF, 0x7F, 2, 0, 0, 0}).Record(1), kInvalid,
       "an array whose bounds leave the Long range in the property \"N\""},
      {Bytes().Name("E").Add({0x80, 0, 0}).Record(1), kInvalid,
       "an array of an unknown element type in the property \"E\""},
      {Bytes().Name("M").Add({0x80, 3, 61}).Record(1), kInvalid,
       "an array of too many dimensions in the property \"M\""}};
  for (const Case& c : cases)
    EXPECT_OV_ERROR(PropertyRecord::Parse(c.input, sim::SimPicture::Load), c.number,
                    "The saved splitter data is damaged: " + std::string(c.what) + ".");

  std::vector<uint8_t> newer = with(4, 3);
  EXPECT_OV_ERROR(PropertyRecord::Parse(newer, sim::SimPicture::Load), kInvalid,
                  "The saved splitter data was written by a newer version of the control (format 3); this version "
                  "reads format 2.");
  // Both earlier versions share the layout and read alike.
  EXPECT_EQ(PropertyRecord::Parse(with(4, 2), sim::SimPicture::Load).Value(u"A").ToLong(), 1);
}

TEST(PropertyRecord, ArraysNestOnlySoDeep) {
  Variant nested = Variant::Array(T::Variant, {}, {});
  for (int depth = 1; depth < PropertyRecord::kMaxArrayNesting; ++depth)
    nested = Variant::Array(T::Variant, {{0, 1}}, {nested});
  MemoryBag record;
  record.Set(u"Deep", nested);
  std::vector<uint8_t> saved = PropertyRecord::Serialize(record);
  EXPECT_TRUE(Identical(PropertyRecord::Parse(saved, sim::SimPicture::Load).Value(u"Deep"), nested));

  record.Set(u"Deep", Variant::Array(T::Variant, {{0, 1}}, {nested}));
  EXPECT_OV_ERROR(PropertyRecord::Serialize(record), err::kStorageCannotSave,
                  "The property \"Deep\" cannot be saved: it nests arrays too deep.");
  // The same nesting written by hand is refused on reading.
  saved.insert(saved.begin() + 24, {0x80, 12, 1, 0, 0, 0, 0, 1, 0, 0, 0});
  saved[6] += 11;
  EXPECT_OV_ERROR(PropertyRecord::Parse(saved, sim::SimPicture::Load), err::kInvalidParameter,
                  "The saved splitter data is damaged: arrays nested too deep in the property \"Deep\".");
}

}  // namespace
}  // namespace host
