// The binary record reader on arbitrary bytes: it refuses them with a host::Error or reads
// a record that saves and reads back to the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>

#include "host/error.h"
#include "host/property_record.h"
#include "host/sim/sim_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using host::PropertyRecord;
  std::vector<uint8_t> saved;
  try {
    saved = PropertyRecord::Parse(std::span(data, size), host::sim::SimPicture::Load).Serialize();
  } catch (const host::Error&) {
    return 0;
  }
  // What was read once must save and read again without loss.
  if (PropertyRecord::Parse(saved, host::sim::SimPicture::Load).Serialize() != saved) std::abort();
  return 0;
}
