// One repaint of a 1280 x 800 control with 8 3D panes and round bars through the real GDI,
// timed beside its floor in the same run: one compatible bitmap of that size plus one
// block transfer to the window. Prints both and their ratio (target: within 3 times).
#include <windows.h>

#include <cstdio>
#include <memory>

#include "bench/wine/bench_timing.h"
#include "com/unique_handle.h"
#include "win32/win32_gdi.h"
#include "panes/ov_panes.h"
#include "bench/bench_paint_request.h"

namespace {

constexpr int kWidth = 1280;
constexpr int kHeight = 800;
constexpr int kPanes = 8;
constexpr int kSplitterSize = 4;
constexpr int kRounds = 200;

}  // namespace

int main() {
  HWND window = CreateWindowExW(0, L"STATIC", L"redraw", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  if (!window) {
    std::fprintf(stderr, "no window\n");
    return 1;
  }
  auto screenDc = std::make_unique<win32::WindowDc>(window);
  HDC screen = screenDc->get();
  win32::Win32Gdi gdi;

  auto panes = panes::OvPanes::Create();
  panes->SetSplitterSize(kSplitterSize);
  panes->SetBounds(kWidth, kHeight);
  for (int i = 0; i < kPanes; ++i) panes->AddSized((kWidth - (kPanes - 1) * kSplitterSize) / kPanes);
  panes->Relayout(false);

  const splitter::PaintRequest request = bench::RoundBarsRequest(gdi, reinterpret_cast<host::GdiHandle>(screen), kWidth,
                                                                 kHeight, 0x8000000F, splitter::OvNone, *panes, false);
  splitter::ControlPainter painter;
  double redraw = bench::TimePerRound(kRounds, [&] { painter.Redraw(request); });

  win32::UniqueMemoryDc memory(CreateCompatibleDC(screen));
  double floor = bench::TimePerRound(kRounds, [&] {
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(screen, kWidth, kHeight));
    win32::SelectedObject selected(memory.get(), bitmap.get());
    BitBlt(screen, 0, 0, kWidth, kHeight, memory.get(), 0, 0, SRCCOPY);
  });
  memory.reset();
  painter.FreeMemoryDc();
  panes->Detach();
  screenDc.reset();
  DestroyWindow(window);

  std::printf("Redraw of %dx%d, %d 3D panes, round bars: %.1f us\n", kWidth, kHeight, kPanes, redraw * 1e6);
  std::printf("Floor (CreateCompatibleBitmap + BitBlt):     %.1f us\n", floor * 1e6);
  std::printf("Ratio: %.2f (target: at most 3)\n", redraw / floor);
  return 0;
}
