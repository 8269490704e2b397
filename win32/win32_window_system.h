#pragma once
// The real window operations on other controls' windows.
#include "host/site/window_system.h"

namespace win32 {

class Win32WindowSystem final : public host::WindowSystem {
 public:
  void MoveWindow(host::WindowHandle window, int x, int y, int width, int height, bool repaint) override;
};

}  // namespace win32
