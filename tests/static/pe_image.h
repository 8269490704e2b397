#pragma once
// A read-only view of a PE32 or PE32+ file: headers, export names, imported DLLs and
// resources, read straight from the bytes so that the checks need no Windows tools.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

class PeImage {
 public:
  // Throws std::runtime_error when the file cannot be read or is not a PE image.
  explicit PeImage(const std::string& path);

  uint16_t Machine() const { return machine_; }
  uint16_t OptionalHeaderMagic() const { return optionalMagic_; }
  uint16_t Characteristics() const { return characteristics_; }

  std::vector<std::string> ExportNames() const;
  std::vector<std::string> ImportedDlls() const;

  // Data of resource `id` of a numbered type (RT_VERSION...) or a named one ("TYPELIB"),
  // in its first language; nothing when the image has no such resource.
  std::optional<std::span<const uint8_t>> Resource(uint16_t type, uint16_t id) const;
  std::optional<std::span<const uint8_t>> Resource(const std::string& type, uint16_t id) const;

 private:
  struct Section {
    uint32_t virtualAddress, virtualSize, rawOffset, rawSize;
  };
  struct Directory {
    uint32_t rva = 0, size = 0;
  };
  struct ResourceKey {
    std::optional<std::string> name;
    uint16_t id = 0;
  };

  uint16_t U16(size_t offset) const;
  uint32_t U32(size_t offset) const;
  std::string CString(size_t offset) const;
  size_t RvaToOffset(uint32_t rva) const;
  std::optional<size_t> FindResourceEntry(size_t directory, const ResourceKey& key) const;
  std::optional<std::span<const uint8_t>> FindResource(const ResourceKey& type, uint16_t id) const;

  std::vector<uint8_t> bytes_;
  uint16_t machine_ = 0;
  uint16_t optionalMagic_ = 0;
  uint16_t characteristics_ = 0;
  std::vector<Section> sections_;
  Directory exports_, imports_, resources_;
};
