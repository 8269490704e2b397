#pragma once
// The saved form of a property bag: the record that the binary storage interfaces write
// and read.
//
// Saved form, little-endian: "OVSR", the format version (16 bits: 1 or 2), the length of the rest
// (32 bits); then the number of properties (32 bits) and each property: its name (16-bit
// count of UTF-16 units, the units) and its value (a type code, then the contents).
// Damaged input is refused with a host::Error before anything larger than the input
// itself is allocated.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "host/site/picture.h"
#include "host/memory_bag.h"

namespace splitter {

class PropertyRecord {
 public:
  // Every version has the same layout; a later one may hold properties that an older
  // control does not know, so an older reader refuses it.
  static constexpr uint16_t kFirstFormatVersion = 1;
  static constexpr uint16_t kFormatVersion = 2;
  // Signature, version and length: what a reader of a stream takes first (RecordSize).
  static constexpr size_t kHeaderSize = 10;
  static constexpr size_t kMaxNameLength = 1024;
  static constexpr size_t kMaxDimensions = 60;
  static constexpr int kMaxArrayNesting = 8;

  // The saved form. Throws host::Error (kStorageCannotSave) for a value it cannot hold: an
  // object other than a picture or Nothing, arrays nested too deep, a name too long.
  static std::vector<uint8_t> Serialize(const host::MemoryBag& bag, uint16_t version = kFormatVersion);
  // The whole length of the saved form that starts with these kHeaderSize bytes; throws
  // as Parse does when the header is not one.
  static size_t RecordSize(std::span<const uint8_t> header);
  // Reads a saved form, pictures through loadPicture. Throws host::Error for damaged input:
  // kStorageReadFault when it ends before what it announces, kInvalidParameter when its
  // contents are not a record of this version.
  static host::MemoryBag Parse(std::span<const uint8_t> bytes, const host::PictureLoader& loadPicture);
};

}  // namespace splitter
