// Paints every shared paint configuration with the real GDI into a real window and writes
// what the window then shows, with the system colours of this desktop, to
// <folder>/<configuration>.raster (the current folder by default).
//   ov_paint_dump.exe [folder]
#include <windows.h>

#include <cstdio>
#include <string>

#include "com/unique_handle.h"
#include "win32/win32_gdi.h"
#include "tests/support/paint_configurations.h"
#include "tests/support/raster_dump.h"

namespace {

using testing_support::PaintConfiguration;
using testing_support::RasterDump;

// No background brush: nothing but the painting reaches the window.
const wchar_t* RegisterBareClass() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"OvPaintDump";
  RegisterClassW(&windowClass);
  return windowClass.lpszClassName;
}

bool Dump(const PaintConfiguration& configuration, const std::string& path) {
  static const wchar_t* const windowClass = RegisterBareClass();
  HWND window = CreateWindowExW(0, windowClass, L"paint", WS_POPUP | WS_VISIBLE, 0, 0, configuration.width,
                                configuration.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  if (!window) return false;
  UpdateWindow(window);  // any pending paint of its own comes before ours
  RasterDump dump{configuration.width, configuration.height, {}, {}};
  {
    win32::WindowDc screen(window);
    win32::Win32Gdi gdi;
    testing_support::PaintConfigured(configuration, gdi, reinterpret_cast<host::GdiHandle>(screen.get()));
    GdiFlush();
    for (int index : testing_support::kPaintSystemColors) dump.systemColors.push_back(GetSysColor(index));
    for (int32_t y = 0; y < dump.height; ++y)
      for (int32_t x = 0; x < dump.width; ++x) dump.pixels.push_back(GetPixel(screen.get(), x, y));
  }
  DestroyWindow(window);
  return dump.Write(path);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string folder = argc > 1 ? std::string(argv[1]) + "\\" : std::string();
  int failed = 0;
  for (const auto& configuration : testing_support::PaintConfigurations()) {
    const std::string path = folder + configuration.name + ".raster";
    if (Dump(configuration, path)) {
      std::printf("painted %s\n", path.c_str());
    } else {
      std::fprintf(stderr, "could not paint or write %s\n", path.c_str());
      failed = 1;
    }
  }
  return failed;
}
