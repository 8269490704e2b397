#include "sim/sim_control_surface.h"

#include "sim/sim_picture.h"

namespace host::sim {

void SimControlSurface::SetBackColor(OleColor color) {
  backColor_ = color;
  log_.Add("BackColor " + SimTrace::Number(color));
}

void SimControlSurface::SetEnabled(bool enabled) {
  enabled_ = enabled;
  log_.Add(enabled ? "Enabled True" : "Enabled False");
}

void SimControlSurface::SetMousePointer(int16_t pointer) {
  mousePointer_ = pointer;
  log_.Add("MousePointer " + SimTrace::Number(pointer));
}

void SimControlSurface::SetMouseIcon(PictureRef icon) {
  mouseIcon_ = std::move(icon);
  log_.Add("MouseIcon " + SimPicture::Describe(mouseIcon_));
}

void SimControlSurface::SetOLEDropMode(int16_t mode) {
  oleDropMode_ = mode;
  log_.Add("OLEDropMode " + SimTrace::Number(mode));
}

void SimControlSurface::OLEDrag() { log_.Add("OLEDrag"); }

}  // namespace host::sim
