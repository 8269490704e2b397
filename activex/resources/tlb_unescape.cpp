// Build-time helper: widl keeps C escapes of help strings literally ("\n" stays a backslash
// and an n), but some help strings must carry real control characters. This rewrites the
// string table of an MSFT type library in place: each entry keeps its offset and footprint,
// only its length shrinks and the freed bytes become padding.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

constexpr size_t kHeaderSize = 0x54;
constexpr uint32_t kHelpDllFlag = 0x100;
constexpr size_t kStringSegment = 8;  // index in the segment directory
constexpr size_t kSegmentEntrySize = 16;

uint32_t ReadU32(const std::vector<char>& data, size_t at) {
  uint32_t value = 0;
  for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<uint8_t>(data.at(at + i));
  return value;
}

// widl has already turned "\\" into one backslash, so only these escapes remain to undo.
char ControlCharacter(char c) {
  switch (c) {
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    default:
      return 0;
  }
}

void UnescapeStrings(std::vector<char>& data) {
  if (data.size() < kHeaderSize || std::string(data.data(), 4) != "MSFT")
    throw std::runtime_error("not an MSFT type library");
  const uint32_t varFlags = ReadU32(data, 0x14);
  const uint32_t typeInfoCount = ReadU32(data, 0x20);
  size_t segmentDirectory = kHeaderSize + ((varFlags & kHelpDllFlag) ? 4 : 0) + 4 * typeInfoCount;
  size_t entry = segmentDirectory + kStringSegment * kSegmentEntrySize;
  const uint32_t begin = ReadU32(data, entry);
  const uint32_t length = ReadU32(data, entry + 4);
  if (begin == 0xffffffff) return;
  const size_t end = size_t{begin} + length;
  if (end > data.size()) throw std::runtime_error("string table out of range");

  for (size_t at = begin; at + 2 <= end;) {
    const size_t size = static_cast<uint8_t>(data[at]) | (static_cast<uint8_t>(data[at + 1]) << 8);
    const size_t text = at + 2;
    const size_t footprint = (2 + size + 3) & ~size_t{3};
    if (text + size > end) throw std::runtime_error("string entry out of range");
    std::string out;
    for (size_t i = text; i < text + size; ++i) {
      const char control = i + 1 < text + size && data[i] == '\\' ? ControlCharacter(data[i + 1]) : 0;
      if (control) {
        out += control;
        ++i;
      } else {
        out += data[i];
      }
    }
    if (out.size() != size) {
      for (size_t i = 0; i < size; ++i) data[text + i] = i < out.size() ? out[i] : 'W';
      data[at] = static_cast<char>(out.size() & 0xff);
      data[at + 1] = static_cast<char>(out.size() >> 8);
    }
    at += footprint;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s in.tlb out.tlb\n", argv[0]);
    return 2;
  }
  try {
    std::ifstream in(argv[1], std::ios::binary);
    std::vector<char> data((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail()) throw std::runtime_error("cannot read input");
    UnescapeStrings(data);
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out) throw std::runtime_error("cannot write output");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", argv[0], e.what());
    return 1;
  }
  return 0;
}
