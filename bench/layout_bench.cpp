// Layout through the simulated host: fitting the panes, repainting the whole control and
// placing one bound control per pane, at growing pane counts. The cost per pane is what
// must stay flat.
#include <benchmark/benchmark.h>

#include "host/sim/sim_platform.h"
#include "splitter/ov_splitter.h"

namespace {

constexpr int32_t kPaneWidth = 21;

struct Configured {
  explicit Configured(int32_t paneCount) {
    platform.surface.SetScaleSize(static_cast<float>(paneCount * (kPaneWidth + 3)), 100);
    control.Initialize();
    control.InitProperties();
    auto& panes = *control.Panes();
    panes.SetInitialWidth(kPaneWidth);
    for (int32_t i = 2; i <= paneCount; ++i) panes.Add();
    panes.SetInitialWidth(0);
    for (int32_t i = 1; i <= paneCount; ++i) {
      host::String name = u"Control" + host::DecimalText(i);
      platform.containedControls.AddWindowless(name);
      panes.Panes()[i - 1]->SetControlName(name);
    }
    platform.trace.Clear();
    platform.events.Clear();
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

void PerPane(benchmark::State& state) {
  state.counters["per_pane"] = benchmark::Counter(static_cast<double>(state.iterations()) * state.range(0),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Relayout(benchmark::State& state) {
  Configured setup(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) setup.control.Panes()->Relayout(false);
  PerPane(state);
}

void Redraw(benchmark::State& state) {
  Configured setup(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    setup.control.Redraw();
    setup.platform.gdi.ClearRecords();
  }
  PerPane(state);
}

void MoveChildControls(benchmark::State& state) {
  Configured setup(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    setup.control.MoveChildControls();
    // Both logs: the controls' own keeps every Move too, and a log that grows without
    // bound made the cost per pane grow with the pane count.
    setup.platform.trace.Clear();
    setup.platform.containedControls.ClearLog();
  }
  PerPane(state);
}

BENCHMARK(Relayout)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Redraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveChildControls)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
