#pragma once
// Where a splitter's panes and bars are, read as a client reads them: the panes' public
// Left, Top, Width and Height through late binding, converted to pixels of the splitter's
// client area.

#include <windows.h>

#include "automation/dispatch_client.h"
#include "formhost/splitter_site.h"

DispatchClient PaneOf(const SplitterSite& splitter, long position);
RECT PanePixels(const SplitterSite& splitter, long position);
bool IsHorizontal(const SplitterSite& splitter);
long SplitterSize(const SplitterSite& splitter);
// The width of the frame around each pane's public rectangle (0 for flat panes).
long PaneFrame(const SplitterSite& splitter);
// Where the bar after the first pane begins along the splitter's orientation.
long BarLeadingEdge(const SplitterSite& splitter);
// A point on that edge half way across the splitter, moved along the orientation by along.
POINT BarPoint(const SplitterSite& splitter, long along = 0);
RECT ClientRect(const SplitterSite& splitter);
POINT OnScreen(const SplitterSite& splitter, POINT client);
