// Where panes and bars lie: starts, the last pane against the inner edge, collapsed panes,
// the bar grip, the drag range and the proportional sharing of a new inner size.
#include "panes/pane_layout.h"

#include <gtest/gtest.h>

namespace {

using panes::LayOutPanes;
using panes::PaneInput;
using panes::PaneLayout;
using panes::PaneSpan;

PaneLayout LayPanes(const std::vector<PaneInput>& panes, int32_t bar, int32_t border, double inner) {
  return LayOutPanes({.panes = panes, .barSize = bar, .border = border, .innerAlong = inner, .innerAcross = 50.5});
}

PaneLayout Lay(const std::vector<int32_t>& extents, int32_t bar, int32_t border, double inner) {
  std::vector<PaneInput> panes;
  for (int32_t extent : extents) panes.push_back({.extent = extent, .minimum = 10});
  return LayPanes(panes, bar, border, inner);
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
    EXPECT_EQ(layout.fittedExtent, row.fitted) << row.what;
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

TEST(PaneLayout, ADragRangeRunsFromThePaneToTheFarEdgeOfTheNextWithinBothMaximums) {
  PaneLayout layout = Lay({100, 50, 70}, 4, 2, 500);
  EXPECT_EQ(layout.DragRangeAfter(0).start, 2);
  EXPECT_EQ(layout.DragRangeAfter(0).length, 154);
  // The next pane's own extent counts, not the part of it shown up to the edge.
  EXPECT_EQ(layout.DragRangeAfter(1).start, 106);
  EXPECT_EQ(layout.DragRangeAfter(1).length, 124);
  const PaneInput pane{.extent = 100, .minimum = 10, .maximum = 120}, next{.extent = 50, .minimum = 10, .maximum = 60};
  layout = LayPanes({pane, next, {.extent = 70, .minimum = 10}}, 4, 2, 500);
  // The bar may lie from 2 + 154 - 4 - 60 = 92 (the next at 60) to 2 + 120 = 122 (the pane at 120).
  EXPECT_EQ(layout.DragRangeAfter(0).start, 92);
  EXPECT_EQ(layout.DragRangeAfter(0).length, 126 - 92);
}

TEST(LayOutPanes, ACollapsedPaneTakesNoRoomButKeepsItsBar) {
  const PaneInput open{.extent = 100, .minimum = 10}, shut{.extent = 80, .minimum = 10, .collapsed = true};
  // Between two open panes: the next starts right after its bar.
  PaneLayout layout = LayPanes({open, shut, open}, 4, 0, 300);
  EXPECT_EQ(layout.spans[1], (PaneSpan{.start = 104, .extent = 0, .shown = 0, .collapsed = true}));
  EXPECT_EQ(layout.spans[2].start, 108);
  EXPECT_EQ(layout.fill, 2u);
  // At the end: the pane before it fills up to the bar, which stays at the inner edge.
  layout = LayPanes({open, open, shut}, 4, 0, 300);
  EXPECT_EQ(layout.fill, 1u);
  EXPECT_EQ(layout.spans[1].shown, 192);
  EXPECT_EQ(layout.fittedExtent, 192);
  EXPECT_EQ(layout.spans[2].start, 300);
  EXPECT_EQ(layout.BarAt(297), 1u);
  // All collapsed: none fills.
  EXPECT_EQ(LayPanes({shut, shut}, 4, 0, 300).fill, PaneLayout::kNoPane);
}

struct ShareRow {
  const char* what;
  std::vector<PaneInput> panes;
  int64_t available;
  std::vector<int32_t> expected;
};

TEST(ShareExtents, PanesShareInProportionWithinTheirLimits) {
  const PaneInput fixed{.extent = 50, .minimum = 10, .fixed = true};
  const ShareRow rows[] = {
      {"in proportion", {{.extent = 100, .minimum = 10}, {.extent = 300, .minimum = 10}}, 200, {50, 150}},
      {"the same size gives the same extents",
       {{.extent = 37, .minimum = 10}, {.extent = 63, .minimum = 10}},
       100,
       {37, 63}},
      {"whole pixels that add up", {{.extent = 1}, {.extent = 1}, {.extent = 1}}, 100, {34, 33, 33}},
      {"a fixed pane keeps its extent",
       {fixed, {.extent = 100, .minimum = 10}, {.extent = 100, .minimum = 10}},
       450,
       {50, 200, 200}},
      {"a pane at its minimum leaves the rest to the others",
       {{.extent = 100, .minimum = 60}, {.extent = 300, .minimum = 10}},
       200,
       {60, 140}},
      {"a pane at its maximum too",
       {{.extent = 100, .minimum = 10, .maximum = 120}, {.extent = 100, .minimum = 10}},
       400,
       {120, 280}},
      {"below every minimum the fixed pane gives way too, then all stop at their minimums",
       {fixed, {.extent = 100, .minimum = 40}},
       60,
       {20, 40}},
      {"", {fixed, {.extent = 100, .minimum = 40}}, 30, {10, 40}},
      {"room no pane may take goes to the last open one",
       {{.extent = 50, .minimum = 10, .maximum = 60},
        {.extent = 50, .minimum = 10, .maximum = 60},
        {.extent = 9, .collapsed = true}},
       200,
       {60, 140, 9}},
      {"nothing held: they share alike", {{.extent = 0}, {.extent = 0}}, 10, {5, 5}},
  };
  for (const ShareRow& row : rows) EXPECT_EQ(panes::ShareExtents(row.panes, row.available), row.expected) << row.what;
}

}  // namespace
