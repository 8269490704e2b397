#pragma once
// A painted picture as a file, with the system colours it was painted in: little-endian
// 32-bit words of width, height, the colours of kPaintSystemColors, then the pixels row
// by row, all as COLORREFs (0x00BBGGRR).
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "host/gdi/gdi.h"
#include "tests/support/paint_configurations.h"

namespace testing_support {

struct RasterDump {
  int32_t width = 0;
  int32_t height = 0;
  std::vector<host::ColorRef> systemColors;  // of kPaintSystemColors, in that order
  std::vector<host::ColorRef> pixels;

  host::ColorRef Pixel(int32_t x, int32_t y) const { return pixels[static_cast<size_t>(y * width + x)]; }

  bool Write(const std::string& path) const {
    std::vector<std::uint32_t> words{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
    words.insert(words.end(), systemColors.begin(), systemColors.end());
    words.insert(words.end(), pixels.begin(), pixels.end());
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = std::fwrite(words.data(), sizeof(std::uint32_t), words.size(), file) == words.size();
    return std::fclose(file) == 0 && written;
  }

  static std::optional<RasterDump> Read(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return std::nullopt;
    RasterDump dump;
    std::uint32_t size[2];
    const size_t colorCount = std::size(kPaintSystemColors);
    bool complete = std::fread(size, sizeof(std::uint32_t), 2, file) == 2 && size[0] < 10000 && size[1] < 10000;
    if (complete) {
      dump.width = static_cast<int32_t>(size[0]);
      dump.height = static_cast<int32_t>(size[1]);
      dump.systemColors.resize(colorCount);
      dump.pixels.resize(static_cast<size_t>(size[0]) * size[1]);
      complete = std::fread(dump.systemColors.data(), sizeof(std::uint32_t), colorCount, file) == colorCount &&
                 std::fread(dump.pixels.data(), sizeof(std::uint32_t), dump.pixels.size(), file) == dump.pixels.size();
    }
    std::fclose(file);
    return complete ? std::optional<RasterDump>(std::move(dump)) : std::nullopt;
  }
};

}  // namespace testing_support
