#pragma once
// Window operations the control performs on windows it does not own.
#include "host/interface.h"
#include "host/window_handle.h"

namespace host {

class WindowSystem : public Interface {
 public:
  // Position and size in pixels of the parent's client area; throws host::Error on failure.
  virtual void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) = 0;
};

}  // namespace host
