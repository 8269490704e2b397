// The pictures the real GDI painted into a real window (written by ov_paint_dump.exe)
// against the same configurations painted on the simulated raster in the same system
// colours: every pixel must match.
//   OV_PAINT_DUMPS=<folder of the .raster files> ov_paint_window_match
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "sim/sim_gdi.h"
#include "tests/support/paint_configurations.h"
#include "tests/support/raster_dump.h"

namespace {

using testing_support::PaintConfiguration;
using testing_support::RasterDump;

class PaintWindowMatch : public ::testing::TestWithParam<PaintConfiguration> {};

TEST_P(PaintWindowMatch, EveryPixelAsTheRealWindowShowsIt) {
  const PaintConfiguration& configuration = GetParam();
  const char* folder = std::getenv("OV_PAINT_DUMPS");
  ASSERT_TRUE(folder) << "OV_PAINT_DUMPS names no folder of dumps";
  const auto window = RasterDump::Read(std::string(folder) + "/" + configuration.name + ".raster");
  ASSERT_TRUE(window) << "no complete dump of " << configuration.name << " in " << folder;
  ASSERT_EQ(window->width, configuration.width);
  ASSERT_EQ(window->height, configuration.height);

  host::sim::SimGdi gdi;
  for (size_t i = 0; i < window->systemColors.size(); ++i)
    gdi.SetSysColor(testing_support::kPaintSystemColors[i], window->systemColors[i]);
  const auto screen = gdi.CreateWindowDC(configuration.width, configuration.height);
  testing_support::PaintConfigured(configuration, gdi, screen);

  int mismatches = 0;
  for (int32_t y = 0; y < configuration.height; ++y)
    for (int32_t x = 0; x < configuration.width; ++x) {
      const host::ColorRef simulated = gdi.Pixel(screen, x, y);
      if (simulated == window->Pixel(x, y)) continue;
      if (++mismatches <= 20)
        ADD_FAILURE() << "(" << x << ", " << y << "): window " << std::hex << window->Pixel(x, y) << ", raster "
                      << simulated;
    }
  EXPECT_EQ(mismatches, 0) << "pixels that differ";
}

INSTANTIATE_TEST_SUITE_P(Configurations, PaintWindowMatch, ::testing::ValuesIn(testing_support::PaintConfigurations()),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
