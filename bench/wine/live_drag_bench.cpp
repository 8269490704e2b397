// One frame of a live drag through the real control, with 8 and with 100 panes each bound
// to a list box: a WM_MOUSEMOVE with the left button held that lays the pair out again,
// paints the control once and moves every bound control in one batch. Timed beside its
// floor in the same run: moving those list boxes alone, in one batch, between the same two
// places. Runs on a display under Wine's x11 driver. Prints both, their ratio (target: at
// most 1.5) and whether a frame fits one 60 Hz frame (16.7 ms).
#include <windows.h>
#include <ole2.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "automation/real_pointer.h"
#include "bench/wine/bench_timing.h"
#include "com/unique_handle.h"
#include "formhost/form_window.h"
#include "formhost/splitter_geometry.h"

namespace {

constexpr int kRounds = 200;
constexpr long kSwing = 4;
// Narrow, flat panes: 100 of them fit the display's width (1024 under the test Xvfb).
constexpr long kPaneWidth = 6;

LPARAM At(POINT client) { return MAKELPARAM(client.x, client.y); }

// The bound windows' rectangles in their parent's client area.
std::vector<std::pair<HWND, RECT>> Placements(const std::vector<HWND>& windows) {
  std::vector<std::pair<HWND, RECT>> placed;
  for (HWND window : windows) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    placed.emplace_back(window, r);
  }
  return placed;
}

void MoveTogether(const std::vector<std::pair<HWND, RECT>>& placed) {
  win32::UniqueDeferredPositions batch(BeginDeferWindowPos(static_cast<int>(placed.size())));
  for (const auto& [window, r] : placed)
    batch.reset(DeferWindowPos(batch.release(), window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                               SWP_NOZORDER | SWP_NOACTIVATE));
}

int Run(int paneCount) {
  FormOptions options;
  options.client = {static_cast<LONG>(paneCount * (kPaneWidth + 3) + 100), 400};
  FormWindow form(options);
  SplitterSite& splitter = form.AddSplitter(L"OvSplitter1");
  splitter.Control().Put(L"LiveDrag", true);
  DispatchClient panes = splitter.Control().Object(L"Panes");
  const long twips = kPaneWidth * 15;
  // Each new pane halves the last one; the one before it then gives the new one all but
  // its own width, so the next split has room.
  for (long i = 2; i <= paneCount; ++i) {
    panes.Call(L"Add");
    panes.Object(L"Item", i - 1).Put(L"Appearance", 0L);
    panes.Object(L"Item", i - 1).Put(L"Minimum", 0L);
    panes.Object(L"Item", i - 1).Put(L"Width", twips);
  }
  std::vector<HWND> bound;
  for (long i = 1; i <= paneCount; ++i) {
    const std::wstring name = L"list" + std::to_wstring(i);
    bound.push_back(form.AddChild(ChildKind::List, name, &splitter, {0, 0, 10, 10}).Window());
    panes.Object(L"Item", i).Put(L"ControlName", name);
  }
  PumpMessagesUntilQuiet();
  HWND window = splitter.Window();

  SendMessageW(window, WM_MOUSEMOVE, 0, At(BarPoint(splitter)));
  SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(BarPoint(splitter)));
  LPARAM here = At(BarPoint(splitter, -kSwing)), there = At(BarPoint(splitter, kSwing));
  // The floor's two places: where each frame leaves the bound controls.
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, here);
  auto placedHere = Placements(bound);
  SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, there);
  auto placedThere = Placements(bound);
  double frame = bench::TimePerRound(kRounds, [&] {
    SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, here);
    std::swap(here, there);
  });
  SendMessageW(window, WM_LBUTTONUP, 0, here);
  double floor = bench::TimePerRound(kRounds, [&] {
    MoveTogether(placedHere);
    std::swap(placedHere, placedThere);
  });
  form.Close();

  std::printf("Live drag frame, %d panes with %d bound list boxes: %.1f us\n", paneCount, paneCount, frame * 1e6);
  std::printf("Floor (the same list boxes moved in one batch):        %.1f us\n", floor * 1e6);
  std::printf("Ratio: %.2f (target: at most 1.5); within a 60 Hz frame: %s\n", frame / floor,
              frame < 1.0 / 60 ? "yes" : "no");
  return 0;
}

}  // namespace

int main() {
  if (FAILED(OleInitialize(nullptr))) return 2;
  int status = Run(8);
  if (status == 0) status = Run(100);
  OleUninitialize();
  return status;
}
