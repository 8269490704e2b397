#include "sim/sim_pointer_services.h"

#include <string>

namespace host::sim {

void SimPointerServices::SetCapture(WindowHandle window) {
  capture_ = window;
  Trace().Add("SetCapture " + std::to_string(window));
}

void SimPointerServices::ReleaseCapture() {
  capture_ = 0;
  Trace().Add("ReleaseCapture");
}

int16_t SimPointerServices::GetAsyncKeyState(int32_t virtualKey) {
  return keysDown_.contains(virtualKey) ? static_cast<int16_t>(0x8000) : 0;
}

void SimPointerServices::SetForegroundWindow(WindowHandle window) {
  active_ = window;
  Trace().Add("SetForegroundWindow " + std::to_string(window));
}

ScreenPoint SimPointerServices::ClientToScreen(WindowHandle window, ScreenPoint point) {
  auto found = origins_.find(window);
  if (found == origins_.end()) return point;
  return {point.x + found->second.x, point.y + found->second.y};
}

void SimPointerServices::InvertScreenRect(const ScreenRect& rect) {
  auto key = std::make_tuple(rect.left, rect.top, rect.right, rect.bottom);
  if (!inverted_.erase(key)) inverted_.insert(key);
  Trace().Add("InvertRect " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
              std::to_string(rect.right) + " " + std::to_string(rect.bottom));
}

}  // namespace host::sim
