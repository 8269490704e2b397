#include "sim/sim_contained_control.h"

#include "sim/sim_errors.h"

namespace host::sim {

void SimContainedControl::Require(const char* member) const {
  if (missing_.contains(member)) throw MemberNotSupported();
}

String SimContainedControl::Name() const {
  Require("Name");
  return name_;
}

WindowHandle SimContainedControl::Hwnd() const {
  if (!hwnd_) throw MemberNotSupported();
  return *hwnd_;
}

void SimContainedControl::Move(double left, double top, double width, double height) {
  Require("Move");
  bounds_ = Rectangle{left, top, width, height};
  Trace().Add("Move " + SimTrace::Text(name_) + " " + SimTrace::Number(left) + " " + SimTrace::Number(top) + " " +
              SimTrace::Number(width) + " " + SimTrace::Number(height));
}

void SimContainedControl::Refresh() {
  Require("Refresh");
  ++refreshCount_;
  Trace().Add("Refresh " + SimTrace::Text(name_));
}

}  // namespace host::sim
