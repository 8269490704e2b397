#pragma once
// The drawing calls over gdi32 and user32, Unicode throughout. A file that also sees
// <windows.h> undefines its CreateFontIndirect, DrawText and ExtTextOut macros first:
// they would rename these members.
#include "host/gdi/gdi.h"

namespace win32 {

class Win32Gdi : public host::Gdi {
 public:
  host::GdiHandle CreateCompatibleDC(host::GdiHandle dc) override;
  host::GdiHandle CreateCompatibleBitmap(host::GdiHandle dc, int32_t width, int32_t height) override;
  host::GdiHandle SelectObject(host::GdiHandle dc, host::GdiHandle object) override;
  bool DeleteObject(host::GdiHandle object) override;
  bool DeleteDC(host::GdiHandle dc) override;
  bool BitBlt(host::GdiHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, host::GdiHandle source,
              int32_t sourceX, int32_t sourceY, std::uint32_t rasterOperation) override;
  host::ColorRef GetBkColor(host::GdiHandle dc) override;
  host::ColorRef SetBkColor(host::GdiHandle dc, host::ColorRef color) override;
  int SetBkMode(host::GdiHandle dc, int mode) override;
  host::ColorRef SetTextColor(host::GdiHandle dc, host::ColorRef color) override;
  bool ExtTextOut(host::GdiHandle dc, int32_t x, int32_t y, std::uint32_t options, const host::GdiRect* rect,
                  host::StringView text) override;
  int32_t DrawText(host::GdiHandle dc, host::StringView text, host::GdiRect& rect, std::uint32_t format) override;
  host::GdiHandle CreateFontIndirect(const host::FontDescription& font, int32_t height) override;
  host::GdiHandle CreatePen(int style, int32_t width, host::ColorRef color) override;
  bool MoveToEx(host::GdiHandle dc, int32_t x, int32_t y) override;
  bool LineTo(host::GdiHandle dc, int32_t x, int32_t y) override;
  bool DrawFocusRect(host::GdiHandle dc, const host::GdiRect& rect) override;
  int SaveDC(host::GdiHandle dc) override;
  bool RestoreDC(host::GdiHandle dc, int savedLevel) override;
  host::ColorRef GetSysColor(int index) override;
};

}  // namespace win32
