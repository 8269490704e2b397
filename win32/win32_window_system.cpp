#include "win32/win32_window_system.h"

#include <windows.h>

#include "host/error.h"

namespace win32 {

void Win32WindowSystem::BeginMoves() { deferred_.reset(BeginDeferWindowPos(8)); }

void Win32WindowSystem::MoveWindow(host::WindowHandle window, int x, int y, int width, int height, bool repaint) {
  if (deferred_) {
    const UINT flags = SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW);
    // DeferWindowPos hands back the structure, grown, or frees it and answers null.
    HDWP grown =
        DeferWindowPos(deferred_.release(), reinterpret_cast<HWND>(window), nullptr, x, y, width, height, flags);
    if (!grown) throw host::Error::Runtime(host::err::kInvalidArgument);
    deferred_.reset(grown);
    return;
  }
  if (!::MoveWindow(reinterpret_cast<HWND>(window), x, y, width, height, repaint ? TRUE : FALSE))
    throw host::Error::Runtime(host::err::kInvalidArgument);
}

void Win32WindowSystem::ShowWindow(host::WindowHandle window, bool visible) {
  ::ShowWindow(reinterpret_cast<HWND>(window), visible ? SW_SHOWNA : SW_HIDE);
}

}  // namespace win32
