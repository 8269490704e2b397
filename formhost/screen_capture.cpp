#include "screen_capture.h"

#include <cstdio>
#include <stdexcept>
#include <vector>

#include "host/com/unique_handle.h"

void SaveScreenRectangle(const RECT& screen, const std::wstring& path) {
  int width = screen.right - screen.left, height = screen.bottom - screen.top;
  if (width <= 0 || height <= 0) throw std::runtime_error("nothing to capture");
  win32::WindowDc source(nullptr);
  win32::UniqueMemoryDc memory(CreateCompatibleDC(source.get()));
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;  // bottom-up, as BMP files store rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueBitmap bitmap(CreateDIBSection(source.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!memory || !bitmap) throw std::runtime_error("no memory bitmap for the capture");
  BOOL copied;
  {
    win32::SelectedObject selected(memory.get(), bitmap.get());
    copied = BitBlt(memory.get(), 0, 0, width, height, source.get(), screen.left, screen.top, SRCCOPY);
    GdiFlush();
  }
  if (!copied) throw std::runtime_error("BitBlt from the screen failed");

  DWORD stride = (static_cast<DWORD>(width) * 3 + 3) & ~3u;
  DWORD imageSize = stride * static_cast<DWORD>(height);
  BITMAPFILEHEADER header{};
  header.bfType = 0x4D42;  // "BM"
  header.bfOffBits = sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER);
  header.bfSize = header.bfOffBits + imageSize;
  info.bmiHeader.biSizeImage = imageSize;
  FILE* file = _wfopen(path.c_str(), L"wb");
  if (!file) throw std::runtime_error("cannot write the capture file");
  bool written = fwrite(&header, sizeof header, 1, file) == 1 &&
                 fwrite(&info.bmiHeader, sizeof info.bmiHeader, 1, file) == 1 && fwrite(bits, imageSize, 1, file) == 1;
  if (fclose(file) != 0 || !written) throw std::runtime_error("writing the capture file failed");
}
