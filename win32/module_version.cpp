#include "win32/module_version.h"

#include <cstring>
#include <string_view>

#include "host/error.h"

namespace win32 {
namespace {

// One node of a VS_VERSIONINFO tree: length, value length, type, key, then the value and
// the children, each aligned to 32 bits.
struct VersionNode {
  const uint8_t* begin = nullptr;
  std::size_t length = 0;
  std::u16string_view key;
  const uint8_t* value = nullptr;
  std::size_t valueBytes = 0;
  const uint8_t* children = nullptr;
};

std::size_t Aligned(std::size_t offset) { return (offset + 3) & ~std::size_t{3}; }

uint16_t WordAt(const uint8_t* at) {
  uint16_t word;
  std::memcpy(&word, at, sizeof word);
  return word;
}

// The node at begin, or none when it does not fit the bytes left.
bool ReadNode(const uint8_t* begin, const uint8_t* end, VersionNode& node) {
  if (end - begin < 6) return false;
  node.begin = begin;
  node.length = WordAt(begin);
  if (node.length < 6 || static_cast<std::ptrdiff_t>(node.length) > end - begin) return false;
  const uint8_t* nodeEnd = begin + node.length;
  uint16_t valueLength = WordAt(begin + 2);
  bool text = WordAt(begin + 4) == 1;
  const uint8_t* key = begin + 6;
  std::size_t keyLength = 0;
  while (key + 2 * (keyLength + 1) <= nodeEnd && WordAt(key + 2 * keyLength) != 0) ++keyLength;
  node.key = std::u16string_view(reinterpret_cast<const char16_t*>(key), keyLength);
  node.value = begin + Aligned(6 + 2 * (keyLength + 1));
  node.valueBytes = text ? 2u * valueLength : valueLength;
  if (node.value + node.valueBytes > nodeEnd) node.valueBytes = node.value <= nodeEnd ? nodeEnd - node.value : 0;
  node.children = node.value + Aligned(node.valueBytes);
  return true;
}

// The child of parent with that key (an empty key: the first child).
bool FindChild(const VersionNode& parent, std::u16string_view key, VersionNode& child) {
  const uint8_t* end = parent.begin + parent.length;
  for (const uint8_t* at = parent.children; at < end && ReadNode(at, end, child); at += Aligned(child.length))
    if (key.empty() || child.key == key) return true;
  return false;
}

}  // namespace

ModuleVersion::ModuleVersion(HMODULE module, int resourceId) {
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(resourceId), MAKEINTRESOURCEW(16));  // RT_VERSION
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const auto* data = loaded ? static_cast<const uint8_t*>(LockResource(loaded)) : nullptr;
  VersionNode root;
  if (!data || !ReadNode(data, data + SizeofResource(module, found), root) ||
      root.valueBytes < sizeof(VS_FIXEDFILEINFO))
    throw host::Error::Bare(static_cast<int32_t>(HRESULT_FROM_WIN32(ERROR_RESOURCE_DATA_NOT_FOUND)),
                            u"The component has no version resource.");
  VS_FIXEDFILEINFO fixed;
  std::memcpy(&fixed, root.value, sizeof fixed);
  version_ = {HIWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionMS), LOWORD(fixed.dwFileVersionLS)};

  VersionNode strings, table, product;
  if (FindChild(root, u"StringFileInfo", strings) && FindChild(strings, u"", table) &&
      FindChild(table, u"ProductName", product)) {
    productName_.assign(reinterpret_cast<const char16_t*>(product.value), product.valueBytes / 2);
    while (!productName_.empty() && productName_.back() == u'\0') productName_.pop_back();
  }
}

}  // namespace win32
