#pragma once
// The container's controls inside the splitter, in the order added. Their Move and Refresh
// calls all land in this collection's log, in the order made; the controls are used only
// while the collection lives.
#include <memory>
#include <optional>
#include <vector>

#include "host/site/contained_controls.h"
#include "sim/sim_contained_control.h"
#include "sim/sim_traced.h"

namespace host::sim {

class SimContainedControls : public ContainedControls, public SimTraced {
 public:
  explicit SimContainedControls(SimTrace* sharedTrace = nullptr) : SimTraced(sharedTrace) {}
  SimContainedControls(const SimContainedControls&) = delete;
  SimContainedControls& operator=(const SimContainedControls&) = delete;

  std::vector<ContainedControlRef> Enumerate() const override;

  std::shared_ptr<SimContainedControl> AddWindowed(String name, WindowHandle hwnd);
  std::shared_ptr<SimContainedControl> AddWindowless(String name);
  void Remove(const std::shared_ptr<SimContainedControl>& control);

 private:
  std::shared_ptr<SimContainedControl> Add(String name, std::optional<WindowHandle> hwnd);

  std::vector<std::shared_ptr<SimContainedControl>> controls_;
};

}  // namespace host::sim
