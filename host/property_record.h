#pragma once
// A property bag in memory, and its saved form: the record that the binary storage
// interfaces write and read. Keys compare exactly and keep the order of their first write.
//
// Saved form, little-endian: "OVSR", the format version (16 bits), the length of the rest
// (32 bits); then the number of properties (32 bits) and each property: its name (16-bit
// count of UTF-16 units, the units) and its value (a type code, then the contents).
// Damaged input is refused with a host::Error before anything larger than the input
// itself is allocated.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <unordered_map>
#include <utility>
#include <vector>

#include "host/site/picture.h"
#include "host/site/property_bag.h"

namespace host {

class PropertyRecord : public PropertyBag {
 public:
  static constexpr uint16_t kFormatVersion = 1;
  // Signature, version and length: what a reader of a stream takes first (RecordSize).
  static constexpr size_t kHeaderSize = 10;
  static constexpr size_t kMaxNameLength = 1024;
  static constexpr size_t kMaxDimensions = 60;
  static constexpr int kMaxArrayNesting = 8;

  // Puts a value in as a saved record holds it, bypassing the default rule.
  void Set(StringView name, Variant value) { Store(name, value); }

  bool Contains(StringView name) const { return index_.contains(String(name)); }
  // The stored value; Empty when the key is absent (use Contains to tell).
  Variant Value(StringView name) const;
  // The stored keys in the order of their first write.
  std::vector<String> Keys() const;
  const std::vector<std::pair<String, Variant>>& Entries() const { return entries_; }

  // The saved form. Throws host::Error (kStorageCannotSave) for a value it cannot hold: an
  // object other than a picture or Nothing, arrays nested too deep, a name too long.
  std::vector<uint8_t> Serialize() const;
  // The whole length of the saved form that starts with these kHeaderSize bytes; throws
  // as Parse does when the header is not one.
  static size_t RecordSize(std::span<const uint8_t> header);
  // Reads a saved form, pictures through loadPicture. Throws host::Error for damaged input:
  // kStorageReadFault when it ends before what it announces, kInvalidParameter when its
  // contents are not a record of this version.
  static PropertyRecord Parse(std::span<const uint8_t> bytes, const PictureLoader& loadPicture);

 protected:
  std::optional<Variant> Find(StringView name) override;
  void Store(StringView name, const Variant& value) override;

 private:
  std::vector<std::pair<String, Variant>> entries_;
  std::unordered_map<String, size_t> index_;
};

}  // namespace host
