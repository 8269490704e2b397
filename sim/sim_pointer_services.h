#pragma once
// Pointer services of the simulated platform: the capture and the active window as state,
// keys pressed by the test, a client area at a fixed screen offset, and the inverted screen
// rectangles kept as a set of parities, so a test can see what is left inverted. Each call
// that changes something is recorded in the trace.
#include <map>
#include <set>
#include <tuple>

#include "sim/sim_traced.h"
#include "host/site/pointer_services.h"

namespace host::sim {

class SimPointerServices : public PointerServices, public SimTraced {
 public:
  explicit SimPointerServices(SimTrace* sharedTrace = nullptr) : SimTraced(sharedTrace) {}

  void SetCapture(WindowHandle window) override;
  void ReleaseCapture() override;
  WindowHandle GetCapture() override { return capture_; }
  int16_t GetAsyncKeyState(int32_t virtualKey) override;
  WindowHandle GetActiveWindow() override { return active_; }
  void SetForegroundWindow(WindowHandle window) override;
  ScreenPoint ClientToScreen(WindowHandle window, ScreenPoint point) override;
  void InvertScreenRect(const ScreenRect& rect) override;

  // The test's side.
  void PressKey(int32_t virtualKey, bool down) {
    if (down)
      keysDown_.insert(virtualKey);
    else
      keysDown_.erase(virtualKey);
  }
  void SetActiveWindow(WindowHandle window) { active_ = window; }
  // Where the window's client area starts on the screen.
  void PlaceClientArea(WindowHandle window, ScreenPoint origin) { origins_[window] = origin; }
  // Another window takes the capture, as a click elsewhere would.
  void StealCapture(WindowHandle other) { capture_ = other; }
  // The rectangles inverted an odd number of times: what the screen shows inverted now.
  const std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>>& Inverted() const { return inverted_; }

 private:
  WindowHandle capture_ = 0;
  WindowHandle active_ = 0;
  std::set<int32_t> keysDown_;
  std::map<WindowHandle, ScreenPoint> origins_;
  std::set<std::tuple<int32_t, int32_t, int32_t, int32_t>> inverted_;
};

}  // namespace host::sim
