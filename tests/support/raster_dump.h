#pragma once
// A painted picture as a file, with the system colours it was painted in: little-endian
// 32-bit words of width, height, the colours of kPaintSystemColors, then the pixels row
// by row, all as COLORREFs (0x00BBGGRR).
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "host/gdi/gdi.h"
#include "tests/support/paint_configurations.h"

namespace testing_support {

struct RasterDump {
  int32_t width = 0, height = 0;
  std::vector<host::ColorRef> systemColors;  // of kPaintSystemColors, in that order
  std::vector<host::ColorRef> pixels;

  host::ColorRef Pixel(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }

  bool Write(const std::string& path) const {
    std::vector<std::uint32_t> words{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
    words.insert(words.end(), systemColors.begin(), systemColors.end());
    words.insert(words.end(), pixels.begin(), pixels.end());
    std::ofstream file(path, std::ios::binary);
    return bool(file.write(reinterpret_cast<const char*>(words.data()), words.size() * 4).flush());
  }

  static std::optional<RasterDump> Read(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
    std::vector<std::uint32_t> words(bytes.size() / 4);
    std::memcpy(words.data(), bytes.data(), words.size() * 4);
    const size_t colors = std::size(kPaintSystemColors);
    if (words.size() < 2 + colors || words[0] >= 10000 || words[1] >= 10000 ||
        words.size() - 2 - colors < size_t{words[0]} * words[1])
      return std::nullopt;
    const auto pixels = words.begin() + 2 + colors;
    RasterDump dump{static_cast<int32_t>(words[0]), static_cast<int32_t>(words[1]), {}, {}};
    dump.systemColors.assign(words.begin() + 2, pixels);
    dump.pixels.assign(pixels, pixels + words[0] * words[1]);
    return dump;
  }
};

}  // namespace testing_support
