#include "formhost/splitter_geometry.h"

#include <cmath>

#include "com/unique_handle.h"

namespace {

// Exact, so that twips at any resolution come back to the pixels they were made of.
double TwipsPerPixel(int axis) {
  win32::WindowDc screen(nullptr);
  int perInch = GetDeviceCaps(screen.get(), axis);
  return 1440.0 / (perInch > 0 ? perInch : 96);
}

long Pixels(long twips, double twipsPerPixel) { return std::lround(twips / twipsPerPixel); }

}  // namespace

DispatchClient PaneOf(const SplitterSite& splitter, long position) {
  return splitter.Control().Object(L"Panes").Object(L"Item", position);
}

RECT PanePixels(const SplitterSite& splitter, long position) {
  DispatchClient pane = PaneOf(splitter, position);
  const double x = TwipsPerPixel(LOGPIXELSX), y = TwipsPerPixel(LOGPIXELSY);
  long left = Pixels(pane.Get(L"Left").AsLong(), x);
  long top = Pixels(pane.Get(L"Top").AsLong(), y);
  return {left, top, left + Pixels(pane.Get(L"Width").AsLong(), x), top + Pixels(pane.Get(L"Height").AsLong(), y)};
}

bool IsHorizontal(const SplitterSite& splitter) { return splitter.Control().Get(L"Orientation").AsLong() == 0; }

long SplitterSize(const SplitterSite& splitter) { return splitter.Control().Get(L"SplitterSize").AsLong(); }

long PaneFrame(const SplitterSite& splitter) {
  RECT first = PanePixels(splitter, 1), second = PanePixels(splitter, 2);
  long gap = IsHorizontal(splitter) ? second.left - first.right : second.top - first.bottom;
  return (gap - SplitterSize(splitter)) / 2;
}

long BarLeadingEdge(const SplitterSite& splitter) {
  RECT first = PanePixels(splitter, 1);
  return (IsHorizontal(splitter) ? first.right : first.bottom) + PaneFrame(splitter);
}

POINT BarPoint(const SplitterSite& splitter, long along) {
  RECT client = ClientRect(splitter);
  long edge = BarLeadingEdge(splitter) + along;
  return IsHorizontal(splitter) ? POINT{edge, client.bottom / 2} : POINT{client.right / 2, edge};
}

RECT ClientRect(const SplitterSite& splitter) {
  RECT client{};
  GetClientRect(splitter.Window(), &client);
  return client;
}

POINT OnScreen(const SplitterSite& splitter, POINT client) {
  ClientToScreen(splitter.Window(), &client);
  return client;
}
