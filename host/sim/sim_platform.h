#pragma once
// One simulated platform for one control instance: every service, sharing one trace that
// keeps the order of all their traffic, and the ControlSite that hands them to the control.
// The services are public so that a test sets them up and inspects them directly.
#include "host/site/control_site.h"
#include "host/screen.h"
#include "host/sim/sim_ambient_properties.h"
#include "host/sim/sim_contained_controls.h"
#include "host/sim/sim_control_surface.h"
#include "host/sim/sim_dialogs.h"
#include "host/sim/sim_event_recorder.h"
#include "host/sim/sim_extender.h"
#include "host/sim/sim_gdi.h"
#include "host/sim/sim_property_change_recorder.h"
#include "host/sim/sim_resource_loader.h"
#include "host/sim/sim_trace.h"
#include "host/sim/sim_window_system.h"

namespace host::sim {

class SimPlatform {
 public:
  explicit SimPlatform(int logicalPixelsPerInch = 96) : screen(logicalPixelsPerInch, logicalPixelsPerInch) {
    GdiHandle dc = gdi.CreateWindowDC(320, 240);
    surface.AttachWindowDC(
        [this, dc](float width, float height) { gdi.ResizeWindowDC(dc, NearestLong(width), NearestLong(height)); }, dc);
  }
  SimPlatform(const SimPlatform&) = delete;
  SimPlatform& operator=(const SimPlatform&) = delete;

  ControlSite Site() {
    return {surface, extender, ambient, containedControls, propertyChanges, events, resources, dialogs,
            screen,  windows,  gdi};
  }

  SimTrace trace;
  Screen screen;
  SimControlSurface surface{0x1000, &trace};
  SimExtender extender;
  SimAmbientProperties ambient;
  SimContainedControls containedControls{&trace};
  SimPropertyChangeRecorder propertyChanges{&trace};
  SimEventRecorder events{&trace};
  SimResourceLoader resources;
  SimDialogs dialogs{&trace};
  SimWindowSystem windows{&trace};
  SimGdi gdi;
};

}  // namespace host::sim
