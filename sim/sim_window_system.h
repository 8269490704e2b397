#pragma once
// Records MoveWindow calls as "MoveWindow <hwnd> <x> <y> <w> <h>" and each window's last placement.
#include <map>
#include <set>

#include "sim/sim_traced.h"
#include "host/site/window_system.h"

namespace host::sim {

class SimWindowSystem : public WindowSystem, public SimTraced {
 public:
  struct Placement {
    int x, y, width, height;
    bool operator==(const Placement&) const = default;
  };

  explicit SimWindowSystem(SimTrace* sharedTrace = nullptr) : SimTraced(sharedTrace) {}
  void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) override;
  // Traced as "ShowWindow <hwnd> <0|1>"; Hidden() holds the windows hidden now.
  void ShowWindow(WindowHandle window, bool visible) override;
  const std::set<WindowHandle>& Hidden() const { return hidden_; }
  // Traced as "BeginMoves" and "EndMoves".
  void BeginMoves() override;
  void EndMoves() override;

  const std::map<WindowHandle, Placement>& Placements() const { return placements_; }

 private:
  std::map<WindowHandle, Placement> placements_;
  std::set<WindowHandle> hidden_;
};

}  // namespace host::sim
