#include "sim/sim_window_system.h"

namespace host::sim {

void SimWindowSystem::MoveWindow(WindowHandle window, int x, int y, int width, int height, bool) {
  placements_[window] = {x, y, width, height};
  Trace().Add("MoveWindow " + std::to_string(window) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
              std::to_string(width) + " " + std::to_string(height));
}

void SimWindowSystem::ShowWindow(WindowHandle window, bool visible) {
  if (visible)
    hidden_.erase(window);
  else
    hidden_.insert(window);
  Trace().Add("ShowWindow " + std::to_string(window) + (visible ? " 1" : " 0"));
}

void SimWindowSystem::BeginMoves() { Trace().Add("BeginMoves"); }

void SimWindowSystem::EndMoves() { Trace().Add("EndMoves"); }

}  // namespace host::sim
