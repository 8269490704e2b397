// The control's bag reader on arbitrary bags: the fuzz input is read as a saved record
// (the seeds are records the control saved, so the mutations keep its keys and vary the
// values and names), and a control loads it. A load may fail with a host::Error; one that
// succeeds must save a record that loads again and saves the same record once more.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "host/error.h"
#include "sim/sim_picture.h"
#include "sim/sim_platform.h"
#include "sim/sim_property_bag.h"
#include "splitter/ov_splitter.h"
#include "splitter/property_record.h"

namespace {

using host::sim::SimPropertyBag;

struct Instance {
  Instance() {
    platform.surface.SetScaleSize(400, 300);
    platform.ambient.SetScaleUnits(u"Twip");
    platform.ambient.SetUserMode(true);
    control.Initialize();
  }
  SimPropertyBag Saved() const {
    SimPropertyBag bag;
    control.WriteProperties(bag);
    return bag;
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SimPropertyBag bag;
  try {
    bag = SimPropertyBag(splitter::PropertyRecord::Parse(std::span(data, size), host::sim::SimPicture::Load));
  } catch (const host::Error&) {
    return 0;
  }
  SimPropertyBag saved;
  {
    Instance first;
    try {
      first.control.ReadProperties(bag);
    } catch (const host::Error&) {
      return 0;
    }
    saved = first.Saved();
  }
  Instance second;
  second.control.ReadProperties(saved);  // a saved control always loads again: no error here
  if (splitter::PropertyRecord::Serialize(second.Saved()) != splitter::PropertyRecord::Serialize(saved)) std::abort();
  return 0;
}
