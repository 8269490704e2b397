#pragma once
// What the control's mouse handling and drag feedback need of the window system: the mouse
// capture, the keyboard state, the active window, and inverting a rectangle of the screen
// through the desktop window's DC, in screen coordinates converted from a window's client
// area. None of the calls reports failure.
#include <cstdint>

#include "host/gdi/gdi.h"
#include "host/interface.h"
#include "host/window_handle.h"

namespace host {

struct ScreenPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const ScreenPoint&) const = default;
};

// A rectangle of the screen, as GDI takes one.
using ScreenRect = GdiRect;

namespace vk {
inline constexpr int32_t kEscape = 0x1B;
inline constexpr int32_t kLeftAlt = 164;
inline constexpr int32_t kRightAlt = 165;
}  // namespace vk

class PointerServices : public Interface {
 public:
  virtual void SetCapture(WindowHandle window) = 0;
  virtual void ReleaseCapture() = 0;
  // The window that holds the capture, 0 for none.
  virtual WindowHandle GetCapture() = 0;
  // The key's state: the most significant bit is set while the key is down.
  virtual int16_t GetAsyncKeyState(int32_t virtualKey) = 0;
  virtual WindowHandle GetActiveWindow() = 0;
  virtual void SetForegroundWindow(WindowHandle window) = 0;
  virtual ScreenPoint ClientToScreen(WindowHandle window, ScreenPoint point) = 0;
  // Inverts the pixels of the screen rectangle on the desktop window's DC; a second call
  // with the same rectangle puts them back.
  virtual void InvertScreenRect(const ScreenRect& rect) = 0;
};

}  // namespace host
