// The pictures the real GDI painted into a real window (written by ov_paint_dump.exe)
// against the same configurations painted on the simulated raster in the same system
// colours: every pixel must match.
//   ov_paint_window_match <folder of the .raster files>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "sim/sim_gdi.h"
#include "tests/support/paint_configurations.h"
#include "tests/support/raster_dump.h"

namespace {

using testing_support::PaintConfiguration;
using testing_support::RasterDump;

std::string dumpFolder;

class PaintWindowMatch : public ::testing::TestWithParam<PaintConfiguration> {};

TEST_P(PaintWindowMatch, EveryPixelAsTheRealWindowShowsIt) {
  const PaintConfiguration& configuration = GetParam();
  const auto window = RasterDump::Read(dumpFolder + "/" + configuration.name + ".raster");
  ASSERT_TRUE(window) << "no complete dump of " << configuration.name << " in " << dumpFolder;
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

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <folder of the .raster files>\n", argv[0]);
    return 2;
  }
  dumpFolder = argv[1];
  return RUN_ALL_TESTS();
}
