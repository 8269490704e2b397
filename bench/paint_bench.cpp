// A full repaint through the simulated GDI: every pane framed, named and followed by a
// round bar, the control wide enough to give each pane the same room.
#include <benchmark/benchmark.h>

#include "sim/sim_gdi.h"
#include "panes/ov_panes.h"
#include "bench/bench_paint_request.h"

namespace {

constexpr int32_t kPaneWidth = 21;
constexpr int32_t kSplitterSize = 3;
constexpr int32_t kHeight = 100;

void FullRedraw(benchmark::State& state) {
  const auto paneCount = static_cast<int32_t>(state.range(0));
  const int32_t width = paneCount * (kPaneWidth + kSplitterSize);
  host::sim::SimGdi gdi;
  const host::GdiHandle screen = gdi.CreateWindowDC(width, kHeight);
  auto panes = panes::OvPanes::Create();
  panes->SetSplitterSize(kSplitterSize);
  panes->SetBorderOffset(2);
  panes->SetUnitsPerPixel(15);
  panes->SetBounds(width, kHeight);
  for (int32_t i = 1; i <= paneCount; ++i) panes->AddSized(kPaneWidth)->SetName(u"Pane " + host::DecimalText(i));
  const splitter::PaintRequest request =
      bench::RoundBarsRequest(gdi, screen, static_cast<float>(width), static_cast<float>(kHeight),
                              host::kButtonFaceColor, splitter::OvFixedSingle, *panes, true);
  splitter::ControlPainter painter;
  for (auto _ : state) {
    painter.Redraw(request);
    gdi.ClearRecords();
  }
  state.counters["per_pane"] = benchmark::Counter(static_cast<double>(state.iterations()) * paneCount,
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  panes->Detach();
}

BENCHMARK(FullRedraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
