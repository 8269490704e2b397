#include "win32/display_screen.h"

#include <windows.h>

#include "com/unique_handle.h"

namespace win32 {

host::Screen DisplayScreen() {
  WindowDc dc(nullptr);
  if (!dc) return host::Screen();
  return host::Screen(GetDeviceCaps(dc.get(), LOGPIXELSX), GetDeviceCaps(dc.get(), LOGPIXELSY));
}

}  // namespace win32
