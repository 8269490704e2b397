// The libFuzzer targets, one per build. OV_FUZZ_RECORD: arbitrary bytes are refused with a
// host::Error or read as a record that saves and reads back to the same bytes. Otherwise a
// control loads the input read as a record (the seeds are saved controls); a load may fail
// with a host::Error, one that succeeds saves a record that loads and saves the same again.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <span>

#include "host/error.h"
#include "sim/sim_picture.h"
#include "sim/sim_platform.h"
#include "sim/sim_property_bag.h"
#include "splitter/ov_splitter.h"
#include "splitter/property_record.h"

namespace {

using host::sim::SimPropertyBag;
using splitter::PropertyRecord;

// What a fresh control saves after loading `bag`; nothing when the load fails.
std::optional<SimPropertyBag> LoadAndSave(SimPropertyBag bag) {
  host::sim::SimPlatform platform;
  platform.surface.SetScaleSize(400, 300);
  platform.ambient.SetScaleUnits(u"Twip");
  platform.ambient.SetUserMode(true);
  splitter::OvSplitter control{platform.Site()};
  control.Initialize();
  try {
    control.ReadProperties(bag);
  } catch (const host::Error&) {
    return std::nullopt;
  }
  SimPropertyBag saved;
  control.WriteProperties(saved);
  return saved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
#ifdef OV_FUZZ_RECORD
  std::vector<uint8_t> saved;
  try {
    saved = PropertyRecord::Serialize(PropertyRecord::Parse(std::span(data, size), host::sim::SimPicture::Load));
  } catch (const host::Error&) {
    return 0;
  }
  if (PropertyRecord::Serialize(PropertyRecord::Parse(saved, host::sim::SimPicture::Load)) != saved) std::abort();
#else
  std::optional<SimPropertyBag> saved;
  try {
    saved = LoadAndSave(SimPropertyBag(PropertyRecord::Parse(std::span(data, size), host::sim::SimPicture::Load)));
  } catch (const host::Error&) {
    return 0;  // not a record
  }
  if (!saved) return 0;
  // A saved control always loads again, and saves the same record.
  auto again = LoadAndSave(*saved);
  if (!again || PropertyRecord::Serialize(*again) != PropertyRecord::Serialize(*saved)) std::abort();
#endif
  return 0;
}
