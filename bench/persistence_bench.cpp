// Saving and loading through the simulated host: a control of many panes written into a
// property bag and read back into a new control, and the same record in its binary form.
// The cost per pane is what must stay flat.
#include <benchmark/benchmark.h>

#include <memory>

#include "host/memory_bag.h"
#include "splitter/property_record.h"
#include "sim/sim_platform.h"
#include "sim/sim_property_bag.h"
#include "splitter/ov_splitter.h"

namespace {

constexpr int32_t kPaneWidth = 21;

struct Control {
  explicit Control(int32_t paneCount) {
    // Low, so that the simulated raster of the last repaint does not hide the loading itself.
    platform.surface.SetScaleSize(static_cast<float>(paneCount * (kPaneWidth + 3)), 8);
    control.Initialize();
  }
  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

// The record of a saved control of the given number of panes, each with a name, key, tag,
// binding and minimum, written as a control writes it.
host::MemoryBag SavedRecord(int32_t paneCount) {
  host::MemoryBag record;
  record.Set(u"BorderStyle", host::Variant(int32_t{0}));
  record.Set(u"NumPanes", host::Variant(paneCount));
  for (int32_t i = 1; i <= paneCount; ++i) {
    const host::String number = host::DecimalText(i);
    record.Set(u"PaneWidth" + number, host::Variant(kPaneWidth));
    record.Set(u"PaneControlName" + number, host::Variant(u"Control" + number));
    record.Set(u"PaneName" + number, host::Variant(u"Pane name " + number));
    record.Set(u"PaneTag" + number, host::Variant(i * 1.5));
    record.Set(u"PaneMinimum" + number, host::Variant(int32_t{150}));
    record.Set(u"PaneKey" + number, host::Variant(u"key" + number));
  }
  return record;
}

void PerPane(benchmark::State& state) {
  state.counters["per_pane"] = benchmark::Counter(static_cast<double>(state.iterations()) * state.range(0),
                                                  benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

host::PictureRef NoPictures(std::span<const uint8_t>) { return nullptr; }

void SaveToBag(benchmark::State& state) {
  const int32_t count = static_cast<int32_t>(state.range(0));
  Control loaded(count);
  host::MemoryBag saved = SavedRecord(count);
  loaded.control.ReadProperties(saved);
  for (auto _ : state) {
    host::MemoryBag bag;
    loaded.control.WriteProperties(bag);
    benchmark::DoNotOptimize(bag);
  }
  PerPane(state);
}

void LoadFromBag(benchmark::State& state) {
  const int32_t count = static_cast<int32_t>(state.range(0));
  host::MemoryBag saved = SavedRecord(count);
  for (auto _ : state) {
    state.PauseTiming();
    auto fresh = std::make_unique<Control>(count);
    state.ResumeTiming();
    fresh->control.ReadProperties(saved);
    state.PauseTiming();
    fresh.reset();
    state.ResumeTiming();
  }
  PerPane(state);
}

void SaveToBinary(benchmark::State& state) {
  host::MemoryBag saved = SavedRecord(static_cast<int32_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(splitter::PropertyRecord::Serialize(saved));
  PerPane(state);
}

void LoadFromBinary(benchmark::State& state) {
  const std::vector<uint8_t> bytes =
      splitter::PropertyRecord::Serialize(SavedRecord(static_cast<int32_t>(state.range(0))));
  for (auto _ : state) benchmark::DoNotOptimize(splitter::PropertyRecord::Parse(bytes, &NoPictures));
  PerPane(state);
}

BENCHMARK(SaveToBag)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadFromBag)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(SaveToBinary)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadFromBinary)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
