#include "sim/sim_contained_controls.h"

#include <algorithm>

namespace host::sim {

std::vector<ContainedControlRef> SimContainedControls::Enumerate() const {
  return {controls_.begin(), controls_.end()};
}

std::shared_ptr<SimContainedControl> SimContainedControls::AddWindowed(String name, WindowHandle hwnd) {
  return Add(std::move(name), hwnd);
}

std::shared_ptr<SimContainedControl> SimContainedControls::AddWindowless(String name) {
  return Add(std::move(name), std::nullopt);
}

std::shared_ptr<SimContainedControl> SimContainedControls::Add(String name, std::optional<WindowHandle> hwnd) {
  auto control = std::make_shared<SimContainedControl>(std::move(name), hwnd, &Trace());
  controls_.push_back(control);
  return control;
}

void SimContainedControls::Remove(const std::shared_ptr<SimContainedControl>& control) {
  std::erase(controls_, control);
}

}  // namespace host::sim
