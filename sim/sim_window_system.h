#pragma once
// Records MoveWindow calls as "MoveWindow <hwnd> <x> <y> <w> <h>"; a window can be made to fail.
#include <map>
#include <set>

#include "sim/sim_trace.h"
#include "host/site/window_system.h"

namespace host::sim {

class SimWindowSystem : public WindowSystem {
 public:
  struct Placement {
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
  };

  explicit SimWindowSystem(SimTrace* sharedTrace = nullptr) : log_(sharedTrace) {}
  void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) override;

  const std::map<WindowHandle, Placement>& Placements() const { return placements_; }
  const SimTrace& Log() const { return log_; }

 private:
  std::map<WindowHandle, Placement> placements_;
  SimTrace log_;
};

}  // namespace host::sim
