#include "sim/sim_control_surface.h"

#include "sim/sim_picture.h"

namespace host::sim {

void SimControlSurface::SetBackColor(OleColor color) {
  backColor_ = color;
  Trace().Add("BackColor " + SimTrace::Number(color));
}

void SimControlSurface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  Trace().Add(enabled ? "Enabled True" : "Enabled False");
}

void SimControlSurface::SetMousePointer(int16_t pointer) {
  mousePointer_ = pointer;
  Trace().Add("MousePointer " + SimTrace::Number(pointer));
}

void SimControlSurface::SetMouseIcon(PictureRef icon) {
  mouseIcon_ = std::move(icon);
  Trace().Add("MouseIcon " + SimPicture::Describe(mouseIcon_));
}

void SimControlSurface::SetOLEDropMode(int16_t mode) {
  oleDropMode_ = mode;
  Trace().Add("OLEDropMode " + SimTrace::Number(mode));
}

void SimControlSurface::SetTabStop(bool on) {
  tabStop_ = on;
  Trace().Add(std::string("TabStop ") + (on ? "True" : "False"));
}

void SimControlSurface::OLEDrag() { Trace().Add("OLEDrag"); }

}  // namespace host::sim
