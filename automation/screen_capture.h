#pragma once
// A rectangle of the screen as it is shown: read into memory, or saved as a 24-bit BMP file.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

struct ScreenPixels {
  int width = 0;
  int height = 0;
  // Row by row from the top, 0x00RRGGBB each.
  std::vector<uint32_t> rgb;

  uint32_t At(int x, int y) const { return rgb[static_cast<size_t>(y) * width + x]; }
  bool operator==(const ScreenPixels&) const = default;
};

// Both throw std::runtime_error when the pixels cannot be read or the file not written.
ScreenPixels CaptureScreenRectangle(const RECT& screen);
void SaveScreenRectangle(const RECT& screen, const std::wstring& path);
