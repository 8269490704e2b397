#include "win32/win32_window_system.h"

#include <windows.h>

#include "host/error.h"

namespace win32 {

void Win32WindowSystem::MoveWindow(host::WindowHandle window, int x, int y, int width, int height, bool repaint) {
  if (!::MoveWindow(reinterpret_cast<HWND>(window), x, y, width, height, repaint ? TRUE : FALSE))
    throw host::Error::Runtime(host::err::kInvalidArgument);
}

}  // namespace win32
