#pragma once
// One simulated platform for one control instance: every service, sharing one trace that
// keeps the order of all their traffic, and the ControlSite that hands them to the control.
// The services are public so that a test sets them up and inspects them directly.
#include "host/site/control_site.h"
#include "host/screen.h"
#include "sim/sim_accessibility_events.h"
#include "sim/sim_ambient_properties.h"
#include "sim/sim_contained_controls.h"
#include "sim/sim_control_surface.h"
#include "sim/sim_dialogs.h"
#include "sim/sim_event_recorder.h"
#include "sim/sim_extender.h"
#include "sim/sim_gdi.h"
#include "sim/sim_property_change_recorder.h"
#include "sim/sim_resource_loader.h"
#include "sim/sim_trace.h"
#include "sim/sim_pointer_services.h"
#include "sim/sim_window_subclassing.h"
#include "sim/sim_window_system.h"

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
    return {.surface = surface,
            .extender = extender,
            .ambient = ambient,
            .containedControls = containedControls,
            .propertyChanges = propertyChanges,
            .events = events,
            .resources = resources,
            .dialogs = dialogs,
            .screen = screen,
            .windows = windows,
            .gdi = gdi,
            .pointer = pointer,
            .subclassing = subclassing,
            .accessibility = accessibility};
  }

  SimTrace trace;
  Screen screen;
  // The control window's own procedure: what the window does with a message that the hook
  // lets through. A test that sends the window messages sets it; unset, it answers 0.
  SimWindowSubclassing::Procedure controlWindowProcedure;
  SimWindowSubclassing subclassing{&trace};
  SimControlSurface surface{subclassing.CreateWindow([this](WindowHandle window, uint32_t message, WParam wParam,
                                                            LParam lParam) -> MessageResult {
                              return controlWindowProcedure ? controlWindowProcedure(window, message, wParam, lParam)
                                                            : 0;
                            }),
                            &trace};
  SimExtender extender;
  SimAmbientProperties ambient;
  SimContainedControls containedControls{&trace};
  SimPropertyChangeRecorder propertyChanges{&trace};
  SimEventRecorder events{&trace};
  SimResourceLoader resources;
  SimDialogs dialogs{&trace};
  SimWindowSystem windows{&trace};
  SimGdi gdi;
  SimPointerServices pointer{&trace};
  SimAccessibilityEvents accessibility;
};

}  // namespace host::sim
