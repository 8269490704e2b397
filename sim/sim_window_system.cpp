#include "sim/sim_window_system.h"

namespace host::sim {

void SimWindowSystem::MoveWindow(WindowHandle window, int x, int y, int width, int height, bool) {
  placements_[window] = {x, y, width, height};
  Trace().Add("MoveWindow " + std::to_string(window) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
              std::to_string(width) + " " + std::to_string(height));
}

void SimWindowSystem::BeginMoves() { Trace().Add("BeginMoves"); }

void SimWindowSystem::EndMoves() { Trace().Add("EndMoves"); }

}  // namespace host::sim
