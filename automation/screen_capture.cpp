#include "automation/screen_capture.h"

#include <cstdio>
#include <stdexcept>

#include "com/unique_handle.h"

ScreenPixels CaptureScreenRectangle(const RECT& screen) {
  ScreenPixels pixels;
  pixels.width = screen.right - screen.left;
  pixels.height = screen.bottom - screen.top;
  if (pixels.width <= 0 || pixels.height <= 0) throw std::runtime_error("nothing to capture");
  win32::WindowDc source(nullptr);
  win32::UniqueMemoryDc memory(CreateCompatibleDC(source.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.width;
  info.bmiHeader.biHeight = -pixels.height;  // top-down
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueBitmap bitmap(CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) throw std::runtime_error("no memory bitmap for the capture");
  BOOL copied;
  {
    win32::SelectedObject selected(memory.get(), bitmap.get());
    copied = BitBlt(memory.get(), 0, 0, pixels.width, pixels.height, source.get(), screen.left, screen.top, SRCCOPY);
    GdiFlush();
  }
  if (!copied) throw std::runtime_error("BitBlt from the screen failed");
  const auto* words = static_cast<const uint32_t*>(bits);
  pixels.rgb.assign(words, words + static_cast<size_t>(pixels.width) * pixels.height);
  for (uint32_t& pixel : pixels.rgb) pixel &= 0xFFFFFF;
  return pixels;
}

void SaveScreenRectangle(const RECT& screen, const std::wstring& path) {
  ScreenPixels pixels = CaptureScreenRectangle(screen);
  // BMP rows: bottom-up, three bytes a pixel (blue, green, red), padded to four bytes.
  DWORD stride = (static_cast<DWORD>(pixels.width) * 3 + 3) & ~3u;
  std::vector<BYTE> image(static_cast<size_t>(stride) * pixels.height);
  for (int y = 0; y < pixels.height; ++y) {
    BYTE* row = &image[static_cast<size_t>(pixels.height - 1 - y) * stride];
    for (int x = 0; x < pixels.width; ++x) {
      uint32_t pixel = pixels.At(x, y);
      row[3 * x] = static_cast<BYTE>(pixel);
      row[3 * x + 1] = static_cast<BYTE>(pixel >> 8);
      row[3 * x + 2] = static_cast<BYTE>(pixel >> 16);
    }
  }
  BITMAPINFOHEADER info{};
  info.biSize = sizeof info;
  info.biWidth = pixels.width;
  info.biHeight = pixels.height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  info.biCompression = BI_RGB;
  info.biSizeImage = static_cast<DWORD>(image.size());
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + info.biSizeImage;
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) throw std::runtime_error("cannot write the capture file");
  bool written = fwrite(&header, sizeof header, 1, file) == 1 && fwrite(&info, sizeof info, 1, file) == 1 &&
                 fwrite(image.data(), image.size(), 1, file) == 1;
  if (fclose(file) != 0 || !written) throw std::runtime_error("writing the capture file failed");
}
