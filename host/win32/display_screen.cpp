#include "host/win32/display_screen.h"

#include <windows.h>

namespace win32 {
namespace {

class ScreenDC {
 public:
  ScreenDC() : dc_(GetDC(nullptr)) {}
  ~ScreenDC() {
    if (dc_) ReleaseDC(nullptr, dc_);
  }
  ScreenDC(const ScreenDC&) = delete;
  ScreenDC& operator=(const ScreenDC&) = delete;
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
};

}  // namespace

host::Screen DisplayScreen() {
  ScreenDC dc;
  if (!dc.Get()) return host::Screen();
  return host::Screen(GetDeviceCaps(dc.Get(), LOGPIXELSX), GetDeviceCaps(dc.Get(), LOGPIXELSY));
}

}  // namespace win32
