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
inline constexpr int32_t kTab = 0x09;
inline constexpr int32_t kReturn = 0x0D;
inline constexpr int32_t kShift = 0x10;
inline constexpr int32_t kEscape = 0x1B;
inline constexpr int32_t kPageUp = 0x21;
inline constexpr int32_t kPageDown = 0x22;
inline constexpr int32_t kEnd = 0x23;
inline constexpr int32_t kHome = 0x24;
inline constexpr int32_t kLeft = 0x25;
inline constexpr int32_t kUp = 0x26;
inline constexpr int32_t kRight = 0x27;
inline constexpr int32_t kDown = 0x28;
inline constexpr int32_t kF6 = 0x75;
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
