#pragma once
// Everything the platform offers one control instance, handed to the control as one object.
// The services outlive the control.
#include "host/ambient_properties.h"
#include "host/contained_controls.h"
#include "host/control_surface.h"
#include "host/dialogs.h"
#include "host/event_raiser.h"
#include "host/extender.h"
#include "host/gdi.h"
#include "host/property_change_sink.h"
#include "host/resource_loader.h"
#include "host/screen.h"
#include "host/window_system.h"

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
};

}  // namespace host
