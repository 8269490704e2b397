// Where panes and bars lie: starts, the last pane against the inner edge, the bar grip and
// the drag range.
#include "panes/pane_layout.h"

#include <gtest/gtest.h>

namespace {

using panes::LayOutPanes;
using panes::PaneLayout;
using panes::PaneSpan;

PaneLayout Lay(const std::vector<int32_t>& extents, int32_t bar, int32_t border, double inner,
               std::vector<int32_t> minimums = {}) {
  minimums.resize(extents.size(), 10);
  return LayOutPanes({.extents = extents,
                      .minimums = minimums,
                      .barSize = bar,
                      .border = border,
                      .innerAlong = inner,
                      .innerAcross = 50.5});
}

struct LayoutRow {
  const char* what;
  std::vector<int32_t> extents;
  int32_t bar;
  int32_t border;
  double inner;
  std::vector<PaneSpan> expected;  // start, extent, shown
  int64_t fitted;
};

TEST(LayOutPanes, StartsAccumulateAndTheLastPaneMeetsTheInnerEdge) {
  const LayoutRow rows[] = {
      {"no panes", {}, 3, 0, 100, {}, 0},
      {"one pane behind a border", {400}, 3, 2, 396, {{2, 400, 396}}, 396},
      {"the last pane is shown to the edge whatever it holds",
       {100, 50, 80},
       3,
       0,
       300,
       {{0, 100, 100}, {103, 50, 50}, {156, 80, 144}},
       144},
      {"a zero extent still takes its bar", {0, 10}, 5, 1, 100, {{1, 0, 0}, {6, 10, 95}}, 95},
      {"past the edge: shown clipped, fitted at the minimum", {100, 50}, 4, 0, 110, {{0, 100, 100}, {104, 50, 6}}, 10},
      {"the edge at a half pixel rounds to even", {100, 50}, 4, 0, 154.5, {{0, 100, 100}, {104, 50, 50}}, 50},
      {"sums past 32 bits stay exact",
       {INT32_MAX, INT32_MAX, 1},
       1,
       2,
       10,
       {{2, INT32_MAX, INT32_MAX}, {2147483650LL, INT32_MAX, INT32_MAX}, {4294967298LL, 1, -4294967286LL}},
       10}};
  for (const LayoutRow& row : rows) {
    PaneLayout layout = Lay(row.extents, row.bar, row.border, row.inner);
    EXPECT_EQ(layout.spans, row.expected) << row.what;
    EXPECT_EQ(layout.fittedLastExtent, row.fitted) << row.what;
    EXPECT_EQ(layout.across, 50) << row.what;  // 50.5 rounds to even
  }
}

struct GripRow {
  double along;
  std::optional<size_t> pane;
};

TEST(PaneLayout, BarGripReachesTwoPixelsIntoEachNeighbourAndTheLastPaneHasNone) {
  // Panes 100, 50 and 70 wide with a 4-pixel bar from 0; the first bar covers 100..103.
  const PaneLayout layout = Lay({100, 50, 70}, 4, 0, 228);
  const GripRow rows[] = {{0, std::nullopt},   {98, std::nullopt},  {98.5, 0},           {99, 0},  {105, 0},
                          {105.5, 0},          {106, std::nullopt}, {151, std::nullopt}, {153, 1}, {159, 1},
                          {160, std::nullopt}, {220, std::nullopt}, {-5, std::nullopt}};
  for (const GripRow& row : rows) EXPECT_EQ(layout.BarAt(row.along), row.pane) << "at " << row.along;
  for (double along : {0.0, 99.0, 105.0}) EXPECT_EQ(Lay({100}, 4, 0, 100).BarAt(along), std::nullopt);
}

TEST(PaneLayout, ADragRangeRunsFromThePaneToTheFarEdgeOfTheNext) {
  const PaneLayout layout = Lay({100, 50, 70}, 4, 2, 500);
  EXPECT_EQ(layout.DragRangeAfter(0).start, 2);
  EXPECT_EQ(layout.DragRangeAfter(0).length, 154);
  // The next pane's own extent counts, not the part of it shown up to the edge.
  EXPECT_EQ(layout.DragRangeAfter(1).start, 106);
  EXPECT_EQ(layout.DragRangeAfter(1).length, 124);
}

}  // namespace
