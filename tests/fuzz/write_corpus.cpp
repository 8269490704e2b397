// Writes the seed records of the fuzz corpus: records that a control saved, one value of
// every type, and damaged ones of each kind the reader refuses.
//   ov_fuzz_write_corpus <record-corpus-dir> <bag-reader-corpus-dir>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "host/memory_bag.h"
#include "splitter/property_record.h"
#include "sim/sim_picture.h"
#include "sim/sim_platform.h"
#include "sim/sim_property_bag.h"
#include "splitter/ov_splitter.h"

namespace {

using host::Variant;
using T = Variant::Type;
constexpr auto Picture = host::sim::SimPicture::Make;

void Write(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

std::vector<uint8_t> SavedControl(int32_t orientation, int panes) {
  host::sim::SimPlatform platform;
  platform.surface.SetScaleSize(400, 300);
  platform.ambient.SetScaleUnits(u"Twip");
  splitter::OvSplitter control(platform.Site());
  control.Initialize();
  control.InitProperties();
  control.SetOrientation(orientation);
  control.SetMouseIcon(Picture(host::PictureType::Icon, "icon"));
  for (int i = 1; i < panes; ++i) control.Panes()->Add();
  // Tags and keys of many types; the vertical control's are the rarer ones.
  const Variant array = Variant::Array(T::Variant, {{0, 2}}, {Variant(u"a"), Variant::Decimal({0, 5, 1, true})});
  const std::vector<Variant> tags({Variant::Date(36527.5), Variant::Currency(15000), Variant(u"tag"), Variant::Null(),
                                   array, Variant::ErrorValue(5),
                                   Variant(host::ObjectRef(Picture(host::PictureType::Bitmap, "tag")))});
  const Variant keys[] = {Variant(u"key"), Variant::Byte(3), Variant::Date(2), Variant::LongLong(-5)};
  int i = orientation == 0 ? 0 : 4;
  for (const panes::PanePtr& pane : control.Panes()->Items()) {
    pane->SetTag(tags[i % std::size(tags)]);
    pane->SetKey(keys[i++ % std::size(keys)]);
  }
  host::sim::SimPropertyBag bag;
  control.WriteProperties(bag);
  return splitter::PropertyRecord::Serialize(bag);
}

std::vector<uint8_t> EveryType() {
  host::MemoryBag record;
  const Variant decimal = Variant::Decimal({1, 2, 3, true}),
                grid = Variant::Array(T::Long, {{1, 2}, {0, 1}}, {Variant(1), Variant(2)}),
                nested = Variant::Array(T::Variant, {{0, 2}}, {Variant(u"a"), Variant::Array(T::Byte, {}, {})});
  for (const Variant& value :
       {Variant(), Variant::Null(), Variant::Missing(), Variant(true), Variant::Byte(7), Variant(int16_t(-2)),
        Variant(3), Variant::LongLong(-4), Variant(0.5f), Variant(0.25), Variant::Currency(-6), Variant::Date(7.5),
        decimal, Variant(u"text"), Variant::ErrorValue(9), Variant::Nothing(),
        Variant(host::ObjectRef(Picture(host::PictureType::Bitmap, "bmp"))), grid, nested})
    record.Set(u"v" + host::DecimalText(static_cast<int>(value.type())), value);
  return splitter::PropertyRecord::Serialize(record);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <record-corpus-dir> <bag-reader-corpus-dir>\n", argv[0]);
    return 2;
  }
  const std::string records = argv[1], bags = argv[2];
  const std::vector<uint8_t> horizontal = SavedControl(0, 3), vertical = SavedControl(1, 3), every = EveryType();
  for (const std::string& dir : {records, bags}) {
    Write(dir + "/saved-horizontal", horizontal);
    Write(dir + "/saved-vertical", vertical);
    Write(dir + "/every-type", every);
  }
  Write(records + "/damaged-truncated", std::vector<uint8_t>(horizontal.begin(), horizontal.end() - 3));
  // The type code sits in the value of "MouseIcon", the first key.
  for (auto [name, at, value] :
       {std::tuple("signature", 1, 'X'), std::tuple("newer-version", 4, '\x02'), std::tuple("huge-count", 13, '\x7F'),
        std::tuple("type-code", 10 + 4 + 2 + 2 * 9, 'c')}) {
    std::vector<uint8_t> bytes = horizontal;
    bytes.at(at) = static_cast<uint8_t>(value);
    Write(records + "/damaged-" + name, bytes);
  }
  return 0;
}
