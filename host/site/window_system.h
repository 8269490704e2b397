#pragma once
// Window operations the control performs on windows it does not own.
#include "host/interface.h"
#include "host/window_handle.h"

namespace host {

class WindowSystem : public Interface {
 public:
  // Position and size in pixels of the parent's client area; throws host::Error on failure.
  virtual void MoveWindow(WindowHandle window, int x, int y, int width, int height, bool repaint) = 0;
  // Shows or hides the window without activating it.
  virtual void ShowWindow(WindowHandle window, bool visible) = 0;
  // Between the two, moves are held back and made together at EndMoves, which then
  // repaints what they uncover once.
  virtual void BeginMoves() = 0;
  virtual void EndMoves() = 0;
};

// One batch of moves for a scope.
class MoveBatch {
 public:
  explicit MoveBatch(WindowSystem& windows) : windows_(windows) { windows_.BeginMoves(); }
  ~MoveBatch() { windows_.EndMoves(); }
  MoveBatch(const MoveBatch&) = delete;
  MoveBatch& operator=(const MoveBatch&) = delete;

 private:
  WindowSystem& windows_;
};

}  // namespace host
