// The binary record reader on arbitrary bytes: it refuses them with a host::Error or reads
// a record that saves and reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "host/error.h"
#include "host/memory_bag.h"
#include "splitter/property_record.h"
#include "sim/sim_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using splitter::PropertyRecord;
  std::vector<uint8_t> saved;
  try {
    saved = PropertyRecord::Serialize(PropertyRecord::Parse(std::span(data, size), host::sim::SimPicture::Load));
  } catch (const host::Error&) {
    return 0;
  }
  // What was read once must save and read again without loss.
  if (PropertyRecord::Serialize(PropertyRecord::Parse(saved, host::sim::SimPicture::Load)) != saved) std::abort();
  return 0;
}
