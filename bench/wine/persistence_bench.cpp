// Saving and loading a control of 10, 100 and 1,000 panes through the real OCX: a property
// bag (formhost's form-file bag) and a stream on global memory. Loading needs a new control
// each round; only the Load call is timed. Prints the cost per pane of each, which should
// stay flat, and the load of 100 panes beside one 60 Hz frame.
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <cstdio>
#include <string>

#include "bench/wine/bench_timing.h"
#include "com/com_ptr.h"
#include "automation/splitter_instance.h"
#include "formhost/text_property_bag.h"

namespace {

using activex::ComPtr;

constexpr long kPaneWidth = 21;

template <typename Interface>
ComPtr<Interface> As(const SplitterInstance& splitter, REFIID iid) {
  ComPtr<Interface> result;
  splitter.Control().Pointer()->QueryInterface(iid, reinterpret_cast<void**>(result.Out()));
  return result;
}

void Write(TextPropertyBag& bag, const std::wstring& name, VariantValue value) {
  bag.Write(name.c_str(), &value.Raw());
}

// The saved form of a control of the given number of panes, each with a name, key, tag
// and binding, as the control writes it.
ComPtr<TextPropertyBag> SavedBag(long panes) {
  ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
  Write(*bag.Get(), L"BorderStyle", VariantValue(0L));
  Write(*bag.Get(), L"NumPanes", VariantValue(panes));
  for (long i = 1; i <= panes; ++i) {
    const std::wstring number = std::to_wstring(i);
    Write(*bag.Get(), L"PaneWidth" + number, VariantValue(kPaneWidth));
    Write(*bag.Get(), L"PaneControlName" + number, VariantValue(L"Control" + number));
    Write(*bag.Get(), L"PaneName" + number, VariantValue(L"Pane name " + number));
    Write(*bag.Get(), L"PaneTag" + number, VariantValue(i * 1.5));
    Write(*bag.Get(), L"PaneKey" + number, VariantValue(L"key" + number));
  }
  return bag;
}

SplitterOptions Unloaded(long panes) {
  return SplitterOptions{.extentPixels = SIZE{panes * (kPaneWidth + 3), 100}, .initNew = false};
}

// Seconds per round of load, each into a new control.
template <typename Load>
double TimeLoads(long panes, int rounds, Load&& load) {
  double total = 0;
  for (int i = 0; i < rounds; ++i) {
    SplitterInstance fresh(Unloaded(panes));
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    load(fresh);
    QueryPerformanceCounter(&end);
    total += bench::Seconds(start, end);
  }
  return total / rounds;
}

}  // namespace

int main() {
  if (FAILED(OleInitialize(nullptr))) return 1;
  double load100 = 0;
  std::printf("%-6s %14s %14s %14s %14s   (us per pane)\n", "panes", "bag save", "bag load", "stream save",
              "stream load");
  for (long panes : {10L, 100L, 1000L}) {
    const int rounds = panes >= 1000 ? 3 : 20;
    ComPtr<TextPropertyBag> saved = SavedBag(panes);
    SplitterInstance loaded(Unloaded(panes));
    if (As<IPersistPropertyBag>(loaded, IID_IPersistPropertyBag)->Load(saved.Get(), nullptr) != S_OK) {
      std::fprintf(stderr, "the saved bag did not load\n");
      return 1;
    }
    double bagSave = bench::TimePerRound(rounds, [&] {
      ComPtr<TextPropertyBag> bag = TextPropertyBag::Create();
      As<IPersistPropertyBag>(loaded, IID_IPersistPropertyBag)->Save(bag.Get(), FALSE, TRUE);
    });
    double bagLoad = TimeLoads(panes, rounds, [&](SplitterInstance& fresh) {
      As<IPersistPropertyBag>(fresh, IID_IPersistPropertyBag)->Load(saved.Get(), nullptr);
    });
    ComPtr<IStream> stream;
    CreateStreamOnHGlobal(nullptr, TRUE, stream.Out());
    auto persist = As<IPersistStreamInit>(loaded, IID_IPersistStreamInit);
    const LARGE_INTEGER origin{};
    double streamSave = bench::TimePerRound(rounds, [&] {
      stream->Seek(origin, STREAM_SEEK_SET, nullptr);
      persist->Save(stream.Get(), FALSE);
    });
    double streamLoad = TimeLoads(panes, rounds, [&](SplitterInstance& fresh) {
      stream->Seek(origin, STREAM_SEEK_SET, nullptr);
      As<IPersistStreamInit>(fresh, IID_IPersistStreamInit)->Load(stream.Get());
    });
    if (panes == 100) load100 = bagLoad;
    const double perPane = 1e6 / static_cast<double>(panes);
    std::printf("%-6ld %14.2f %14.2f %14.2f %14.2f\n", panes, bagSave * perPane, bagLoad * perPane,
                streamSave * perPane, streamLoad * perPane);
  }
  std::printf("Load of 100 panes through the bag: %.2f ms (target: under 16.7 ms, one 60 Hz frame)\n", load100 * 1e3);
  OleUninitialize();
  return 0;
}
