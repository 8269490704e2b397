#pragma once
// Everything the platform offers one control instance, handed to the control as one object.
// The services outlive the control.
#include "host/site/accessibility_events.h"
#include "host/site/ambient_properties.h"
#include "host/site/contained_controls.h"
#include "host/site/control_surface.h"
#include "host/site/dialogs.h"
#include "host/site/event_raiser.h"
#include "host/site/extender.h"
#include "host/gdi/gdi.h"
#include "host/site/pointer_services.h"
#include "host/site/property_change_sink.h"
#include "host/site/resource_loader.h"
#include "host/screen.h"
#include "host/site/window_subclassing.h"
#include "host/site/window_system.h"

namespace host {

struct ControlSite {
  ControlSurface& surface;
  Extender& extender;
  AmbientProperties& ambient;
  ContainedControls& containedControls;
  PropertyChangeSink& propertyChanges;
  EventRaiser& events;
  ResourceLoader& resources;
  Dialogs& dialogs;
  const Screen& screen;
  WindowSystem& windows;
  Gdi& gdi;
  PointerServices& pointer;
  // For the control's message hook on its own window.
  WindowSubclassing& subclassing;
  AccessibilityEvents& accessibility;
};

}  // namespace host
