#pragma once
// Reads a simulated DC's pixels as runs of named colours: "sh:0-98 hi:99" says x (or y)
// 0 to 98 are shadow and 99 highlight. Unnamed colours show as their hex COLORREF.
#include <cstdio>
#include <map>
#include <string>

#include "sim/sim_gdi.h"

namespace testing_support {

class RasterProbe {
 public:
  RasterProbe(const host::sim::SimGdi& gdi, std::map<host::ColorRef, std::string> names)
      : gdi_(gdi), names_(std::move(names)) {}

  // From `from` to `to` inclusive; `to` -1 for the last pixel.
  std::string Row(host::GdiHandle dc, int32_t y, int32_t from = 0, int32_t to = -1) const {
    if (to < 0) to = gdi_.Raster(dc)->Width() - 1;
    return Runs(from, to, [&](int32_t x) { return gdi_.Pixel(dc, x, y); });
  }
  std::string Column(host::GdiHandle dc, int32_t x, int32_t from = 0, int32_t to = -1) const {
    if (to < 0) to = gdi_.Raster(dc)->Height() - 1;
    return Runs(from, to, [&](int32_t y) { return gdi_.Pixel(dc, x, y); });
  }

 private:
  template <typename PixelAt>
  std::string Runs(int32_t from, int32_t to, PixelAt pixelAt) const {
    std::string text;
    for (int32_t start = from; start <= to;) {
      const host::ColorRef color = pixelAt(start);
      int32_t end = start;
      while (end + 1 <= to && pixelAt(end + 1) == color) ++end;
      if (!text.empty()) text += ' ';
      text += Name(color) + ':' + std::to_string(start);
      if (end != start) text += '-' + std::to_string(end);
      start = end + 1;
    }
    return text;
  }
  std::string Name(host::ColorRef color) const {
    if (auto found = names_.find(color); found != names_.end()) return found->second;
    char hex[16];
    std::snprintf(hex, sizeof hex, "%06X", color);
    return hex;
  }

  const host::sim::SimGdi& gdi_;
  std::map<host::ColorRef, std::string> names_;
};

}  // namespace testing_support
