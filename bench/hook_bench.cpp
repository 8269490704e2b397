// The cost the message hook adds to every message of a subclassed window that no one has
// registered (a WM_PAINT while the splitter watches only the mouse), against the floor:
// the same message handed straight to the window's previous procedure. Target: at most 2x.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "hook/kp_msg_hook.h"
#include "hook/m_call_back.h"
#include "sim/sim_ambient_properties.h"
#include "sim/sim_property_change_recorder.h"
#include "sim/sim_window_subclassing.h"

namespace {

constexpr uint32_t kPaint = 15;

// A window subclassed by one hook that registered the splitter's three mouse messages.
struct HookedWindow {
  HookedWindow() {
    window = platform.CreateWindow([](host::WindowHandle, uint32_t message, host::WParam wParam, host::LParam) {
      return static_cast<host::MessageResult>(message + wParam);
    });
    const host::Variant missing = host::Variant::Missing();
    auto entry = hook.Windows()->Add(missing, missing, missing, host::Variant(static_cast<int32_t>(window)));
    for (int32_t message : {512, 513, 514})
      entry->Messages()->Add(missing, missing, host::Variant(message), missing, host::Variant(false));
    hook.SetSubclass(true);
    previous = entry->GetPreviousWndProc();
  }

  host::sim::SimWindowSubclassing platform;
  host::sim::SimAmbientProperties ambient;
  host::sim::SimPropertyChangeRecorder propertyChanges;
  hook::KpMsgHook hook{hook::HookSite{platform, ambient, propertyChanges, {}}};
  host::WindowHandle window = 0;
  host::WindowProcedure previous = 0;
};

void PreviousProcedureDirectly(benchmark::State& state) {
  HookedWindow w;
  host::WParam wParam = 0;
  for (auto _ : state) benchmark::DoNotOptimize(w.platform.CallProcedure(w.previous, w.window, kPaint, ++wParam, 0));
}

void HookWindowProcUnregisteredMessage(benchmark::State& state) {
  HookedWindow w;
  host::WParam wParam = 0;
  for (auto _ : state) benchmark::DoNotOptimize(hook::MCallBack::WindowProc(w.platform, w.window, kPaint, ++wParam, 0));
}

BENCHMARK(PreviousProcedureDirectly);
BENCHMARK(HookWindowProcUnregisteredMessage);

// Prints the usual table, then the hook's cost as a multiple of the floor.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration && !run.error_occurred)
        nanoseconds_[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  double Ratio() const {
    auto floor = nanoseconds_.find("PreviousProcedureDirectly");
    auto hooked = nanoseconds_.find("HookWindowProcUnregisteredMessage");
    if (floor == nanoseconds_.end() || hooked == nanoseconds_.end() || floor->second <= 0) return 0;
    return hooked->second / floor->second;
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  if (double ratio = reporter.Ratio(); ratio > 0)
    std::printf("hook WindowProc / previous procedure: %.2fx (target at most 2x)\n", ratio);
  return 0;
}
