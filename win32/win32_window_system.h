#pragma once
// The real window operations on other controls' windows.
#include "com/unique_handle.h"
#include "host/site/window_system.h"

namespace win32 {

class Win32WindowSystem final : public host::WindowSystem {
 public:
  void MoveWindow(host::WindowHandle window, int x, int y, int width, int height, bool repaint) override;
  void ShowWindow(host::WindowHandle window, bool visible) override;
  void BeginMoves() override;
  // EndDeferWindowPos: the held-back moves, together.
  void EndMoves() override { deferred_.reset(); }

 private:
  UniqueDeferredPositions deferred_;
};

}  // namespace win32
