#pragma once
// The pixels per inch of the monitor a window is on, where the system can tell them
// (Windows 10 and later); the control still loads on systems without the function.
#include <windows.h>

namespace win32 {

// Sent to child windows after their top-level window moved to a monitor of another
// resolution; the headers define it only for Windows 10 targets.
inline constexpr UINT kDpiChangedAfterParent = 0x02E3;

// 0 when the system does not tell.
int WindowDpi(HWND window);

}  // namespace win32
