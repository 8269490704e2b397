#pragma once
// The real pointer services: the Unicode, pointer-sized user32 calls for the mouse capture,
// the keyboard state, activation and client-to-screen conversion, and the inverted drag
// feedback drawn straight onto the screen through the desktop window's DC.
#include "host/site/pointer_services.h"

namespace win32 {

class Win32PointerServices final : public host::PointerServices {
 public:
  void SetCapture(host::WindowHandle window) override;
  void ReleaseCapture() override;
  host::WindowHandle GetCapture() override;
  int16_t GetAsyncKeyState(int32_t virtualKey) override;
  host::WindowHandle GetActiveWindow() override;
  void SetForegroundWindow(host::WindowHandle window) override;
  host::ScreenPoint ClientToScreen(host::WindowHandle window, host::ScreenPoint point) override;
  void InvertScreenRect(const host::ScreenRect& rect) override;
};

}  // namespace win32
