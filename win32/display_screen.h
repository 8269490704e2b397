#pragma once
// The screen's logical resolution, as the display reports it.
#include "host/screen.h"

namespace win32 {

host::Screen DisplayScreen();

}  // namespace win32
