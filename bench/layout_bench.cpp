// Layout through the simulated host: fitting the panes, repainting the whole control and
// placing one bound control per pane, at growing pane counts. The cost per pane is what
// must stay flat.
#include <benchmark/benchmark.h>

#include "sim/sim_platform.h"
#include "splitter/ov_splitter.h"

namespace {

constexpr int32_t kPaneWidth = 21;

struct Configured {
  explicit Configured(int32_t paneCount) {
    platform.surface.SetScaleSize(static_cast<float>(paneCount * (kPaneWidth + 3)), 100);
    control.Initialize();
    control.InitProperties();
    auto& panes = *control.Panes();
    for (int32_t i = 2; i <= paneCount; ++i) panes.AddSized(kPaneWidth);
    for (int32_t i = 1; i <= paneCount; ++i) {
      host::String name = u"Control" + host::DecimalText(i);
      platform.containedControls.AddWindowless(name);
      panes.Items()[i - 1]->SetControlName(name);
    }
    platform.trace.Clear();
    platform.events.Clear();
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

// Runs `round` on a control of state.range(0) panes and reports the cost per pane.
template <typename Round>
void PerPane(benchmark::State& state, Round round) {
  Configured setup(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) {
    round(setup);
    // The simulated platform's records would otherwise grow with every round.
    setup.platform.trace.Clear();
    setup.platform.gdi.ClearRecords();
  }
  state.counters["per_pane"] = benchmark::Counter(static_cast<double>(state.iterations()) * state.range(0),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void Relayout(benchmark::State& state) {
  PerPane(state, [](Configured& setup) { setup.control.Panes()->Relayout(false); });
}

void Redraw(benchmark::State& state) {
  PerPane(state, [](Configured& setup) { setup.control.Redraw(); });
}

void MoveChildControls(benchmark::State& state) {
  PerPane(state, [](Configured& setup) { setup.control.MoveChildControls(); });
}

BENCHMARK(Relayout)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(Redraw)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(MoveChildControls)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
