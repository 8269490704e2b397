#include "sim/sim_window_system.h"

#include "host/error.h"

namespace host::sim {

void SimWindowSystem::MoveWindow(WindowHandle window, int x, int y, int width, int height, bool) {
  if (failing_.count(window)) throw Error::Runtime(err::kInvalidArgument);
  placements_[window] = {x, y, width, height};
  Trace().Add("MoveWindow " + std::to_string(window) + " " + std::to_string(x) + " " + std::to_string(y) + " " +
              std::to_string(width) + " " + std::to_string(height));
}

}  // namespace host::sim
