// The positions of panes and bars along the axis, and the bar grip around them.
#include "panes/pane_layout.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using panes::LayOutPanes;
using panes::PaneLayout;
using panes::PaneSpan;

struct LayoutRow {
  const char* what;
  std::vector<int32_t> extents;
  int32_t bar;
  int32_t origin;
  std::vector<PaneSpan> expected;
};

TEST(LayOutPanes, StartsAccumulateExtentsAndBarsFromTheOrigin) {
  const LayoutRow rows[] = {
      {"no panes", {}, 3, 0, {}},
      {"one pane spans from the border", {400}, 3, 2, {{2, 400}}},
      {"two panes behind a border", {100, 50}, 4, 2, {{2, 100}, {106, 50}}},
      {"three panes, default bar", {98, 98, 98}, 3, 0, {{0, 98}, {101, 98}, {202, 98}}},
      {"a zero extent still takes its bar", {0, 10}, 5, 1, {{1, 0}, {6, 10}}},
      {"a wide bar", {10, 10, 10}, 32767, 0, {{0, 10}, {32777, 10}, {65554, 10}}},
      // Beyond the Long range the sum is still exact; the readers check the range.
      {"sums past 32 bits",
       {INT32_MAX, INT32_MAX, 1},
       1,
       2,
       {{2, INT32_MAX}, {2147483650LL, INT32_MAX}, {4294967298LL, 1}}},
  };
  for (const LayoutRow& row : rows) {
    PaneLayout layout = LayOutPanes(row.extents, row.bar, row.origin);
    EXPECT_EQ(layout, (PaneLayout{.spans = row.expected, .barSize = row.bar})) << row.what;
  }
}

struct GripRow {
  double along;
  std::optional<size_t> pane;
};

TEST(PaneLayoutBarAt, GripReachesTwoPixelsIntoEachNeighbour) {
  // Panes 100 and 50 wide with a 4-pixel bar from the origin 0; the bar covers 100..103.
  const PaneLayout layout = LayOutPanes(std::vector<int32_t>{100, 50, 70}, 4, 0);
  const GripRow rows[] = {
      {0, std::nullopt},   {98, std::nullopt},  {98.5, 0},           {99, 0},  {105, 0},
      {105.5, 0},          {106, std::nullopt}, {151, std::nullopt}, {153, 1}, {159, 1},
      {160, std::nullopt}, {220, std::nullopt}, {-5, std::nullopt},
  };
  for (const GripRow& row : rows) EXPECT_EQ(layout.BarAt(row.along), row.pane) << "at " << row.along;
}

TEST(PaneLayoutBarAt, TheLastPaneHasNoBar) {
  const PaneLayout one = LayOutPanes(std::vector<int32_t>{100}, 4, 0);
  for (double along : {0.0, 99.0, 101.0, 105.0}) EXPECT_EQ(one.BarAt(along), std::nullopt);
  EXPECT_EQ(LayOutPanes({}, 4, 0).BarAt(0), std::nullopt);
}

TEST(PaneLayout, PrintsItsSpans) {
  std::ostringstream out;
  out << LayOutPanes(std::vector<int32_t>{100, 50}, 4, 2);
  EXPECT_EQ(out.str(), "{2+100 | 106+50 bar 4}");
}

}  // namespace
