#include "pe_image.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace {

constexpr uint16_t kPe32Magic = 0x10b;
constexpr uint16_t kPe32PlusMagic = 0x20b;
constexpr uint32_t kHighBit = 0x80000000;
constexpr size_t kExportDirectory = 0, kImportDirectory = 1, kResourceDirectory = 2;

}  // namespace

PeImage::PeImage(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  bytes_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());

  if (bytes_.size() < 0x40 || U16(0) != 0x5a4d) throw std::runtime_error(path + ": no MZ header");
  const size_t pe = U32(0x3c);
  if (U32(pe) != 0x00004550) throw std::runtime_error(path + ": no PE signature");
  const size_t coff = pe + 4;
  machine_ = U16(coff);
  const uint16_t sectionCount = U16(coff + 2);
  const uint16_t optionalSize = U16(coff + 16);
  characteristics_ = U16(coff + 18);

  const size_t optional = coff + 20;
  optionalMagic_ = U16(optional);
  size_t directories = 0;
  uint32_t directoryCount = 0;
  if (optionalMagic_ == kPe32Magic) {
    directoryCount = U32(optional + 92);
    directories = optional + 96;
  } else if (optionalMagic_ == kPe32PlusMagic) {
    directoryCount = U32(optional + 108);
    directories = optional + 112;
  } else {
    throw std::runtime_error(path + ": unknown optional header magic");
  }
  Directory* wanted[] = {&exports_, &imports_, &resources_};
  for (size_t i = 0; i < std::size(wanted) && i < directoryCount; ++i)
    *wanted[i] = {U32(directories + 8 * i), U32(directories + 8 * i + 4)};

  const size_t sectionTable = optional + optionalSize;
  for (size_t i = 0; i < sectionCount; ++i) {
    const size_t s = sectionTable + 40 * i;
    sections_.push_back({U32(s + 12), U32(s + 8), U32(s + 20), U32(s + 16)});
  }
}

uint16_t PeImage::U16(size_t offset) const {
  if (offset + 2 > bytes_.size()) throw std::runtime_error("read past the end of the image");
  return static_cast<uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

uint32_t PeImage::U32(size_t offset) const { return U16(offset) | static_cast<uint32_t>(U16(offset + 2)) << 16; }

std::string PeImage::CString(size_t offset) const {
  std::string text;
  for (; offset < bytes_.size() && bytes_[offset] != 0; ++offset) text += static_cast<char>(bytes_[offset]);
  if (offset >= bytes_.size()) throw std::runtime_error("unterminated string");
  return text;
}

size_t PeImage::RvaToOffset(uint32_t rva) const {
  for (const Section& s : sections_) {
    const uint32_t extent = std::max(s.virtualSize, s.rawSize);
    if (rva >= s.virtualAddress && rva - s.virtualAddress < extent) {
      if (rva - s.virtualAddress >= s.rawSize) throw std::runtime_error("address has no file data");
      return s.rawOffset + (rva - s.virtualAddress);
    }
  }
  throw std::runtime_error("address outside every section");
}

std::vector<std::string> PeImage::ExportNames() const {
  std::vector<std::string> names;
  if (exports_.rva == 0) return names;
  const size_t directory = RvaToOffset(exports_.rva);
  const uint32_t count = U32(directory + 24);
  const size_t nameTable = RvaToOffset(U32(directory + 32));
  for (uint32_t i = 0; i < count; ++i) names.push_back(CString(RvaToOffset(U32(nameTable + 4 * i))));
  return names;
}

std::vector<std::string> PeImage::ImportedDlls() const {
  std::vector<std::string> names;
  if (imports_.rva == 0) return names;
  for (size_t descriptor = RvaToOffset(imports_.rva);; descriptor += 20) {
    const uint32_t nameRva = U32(descriptor + 12);
    if (nameRva == 0) break;
    names.push_back(CString(RvaToOffset(nameRva)));
  }
  return names;
}

// Returns the offset of the matching entry's target, relative to the resource section start.
std::optional<size_t> PeImage::FindResourceEntry(size_t directory, const ResourceKey& key) const {
  const size_t base = RvaToOffset(resources_.rva);
  const size_t at = base + directory;
  const size_t named = U16(at + 12), numbered = U16(at + 14);
  for (size_t i = 0; i < named + numbered; ++i) {
    const size_t entry = at + 16 + 8 * i;
    const uint32_t name = U32(entry);
    bool match = false;
    if (!key.name) {
      match = !(name & kHighBit) && name == key.id;
    } else if (name & kHighBit) {
      // Resource names are UTF-16 with a length prefix; ours are plain ASCII.
      const size_t text = base + (name & ~kHighBit);
      const size_t length = U16(text);
      std::string decoded;
      for (size_t c = 0; c < length; ++c) decoded += static_cast<char>(U16(text + 2 + 2 * c));
      match = decoded == *key.name;
    }
    if (match) return U32(entry + 4);
  }
  return std::nullopt;
}

std::optional<std::span<const uint8_t>> PeImage::FindResource(const ResourceKey& type, uint16_t id) const {
  if (resources_.rva == 0) return std::nullopt;
  const auto names = FindResourceEntry(0, type);
  if (!names || !(*names & kHighBit)) return std::nullopt;
  const auto languages = FindResourceEntry(*names & ~kHighBit, ResourceKey{std::nullopt, id});
  if (!languages || !(*languages & kHighBit)) return std::nullopt;

  const size_t base = RvaToOffset(resources_.rva);
  const size_t languageDirectory = base + (*languages & ~kHighBit);
  if (U16(languageDirectory + 12) + U16(languageDirectory + 14) == 0) return std::nullopt;
  const uint32_t firstLanguage = U32(languageDirectory + 16 + 4);
  if (firstLanguage & kHighBit) throw std::runtime_error("resource tree deeper than three levels");
  const size_t dataEntry = base + firstLanguage;
  const size_t data = RvaToOffset(U32(dataEntry));
  const uint32_t size = U32(dataEntry + 4);
  if (data + size > bytes_.size()) throw std::runtime_error("resource data past the end of the image");
  return std::span<const uint8_t>(bytes_.data() + data, size);
}

std::optional<std::span<const uint8_t>> PeImage::Resource(uint16_t type, uint16_t id) const {
  return FindResource(ResourceKey{std::nullopt, type}, id);
}

std::optional<std::span<const uint8_t>> PeImage::Resource(const std::string& type, uint16_t id) const {
  return FindResource(ResourceKey{type, 0}, id);
}
