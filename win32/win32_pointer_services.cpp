#include "win32/win32_pointer_services.h"

#include <windows.h>

#include "com/unique_handle.h"

namespace win32 {
namespace {

HWND Hwnd(host::WindowHandle window) { return reinterpret_cast<HWND>(window); }
host::WindowHandle Handle(HWND window) { return reinterpret_cast<host::WindowHandle>(window); }

}  // namespace

void Win32PointerServices::SetCapture(host::WindowHandle window) { ::SetCapture(Hwnd(window)); }

void Win32PointerServices::ReleaseCapture() { ::ReleaseCapture(); }

host::WindowHandle Win32PointerServices::GetCapture() { return Handle(::GetCapture()); }

int16_t Win32PointerServices::GetAsyncKeyState(int32_t virtualKey) { return ::GetAsyncKeyState(virtualKey); }

host::WindowHandle Win32PointerServices::GetActiveWindow() { return Handle(::GetActiveWindow()); }

void Win32PointerServices::SetForegroundWindow(host::WindowHandle window) { ::SetForegroundWindow(Hwnd(window)); }

host::ScreenPoint Win32PointerServices::ClientToScreen(host::WindowHandle window, host::ScreenPoint point) {
  POINT converted{point.x, point.y};
  ::ClientToScreen(Hwnd(window), &converted);
  return {converted.x, converted.y};
}

void Win32PointerServices::InvertScreenRect(const host::ScreenRect& rect) {
  // The desktop window's DC covers the whole screen, above every window.
  WindowDc screen(::GetDesktopWindow(), WindowDc::kWholeWindow);
  if (!screen) return;
  RECT inverted{rect.left, rect.top, rect.right, rect.bottom};
  ::InvertRect(screen.get(), &inverted);
}

}  // namespace win32
