#pragma once
// The drawing calls of the platform (gdi32 and the two user32 ones painting needs), with
// handles as opaque numbers. The simulated raster and the real GDI implement it alike.
// Platform headers may define these names as macros; here they are members.
#undef CreateFontIndirect
#undef DrawText
#undef ExtTextOut

#include <cstdint>

#include "host/font_description.h"
#include "host/interface.h"
#include "host/text.h"

namespace host {

// A device context, pen, font or bitmap; 0 for none or for a failed call.
using GdiHandle = std::uintptr_t;
// 0x00BBGGRR, as GDI takes colours.
using ColorRef = std::uint32_t;

struct GdiRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const GdiRect&) const = default;
};

namespace gdi {
inline constexpr std::uint32_t kSrcCopy = 0xCC0020;
inline constexpr int kTransparent = 1;
inline constexpr int kOpaque = 2;
inline constexpr std::uint32_t kEtoOpaque = 0x2;
inline constexpr std::uint32_t kEtoClipped = 0x4;
inline constexpr int kPenSolid = 0;
inline constexpr int kPenNull = 5;
inline constexpr ColorRef kInvalidColor = 0xFFFFFFFFu;

inline constexpr std::uint32_t kDtCenter = 0x1;
inline constexpr std::uint32_t kDtRight = 0x2;
inline constexpr std::uint32_t kDtVCenter = 0x4;
inline constexpr std::uint32_t kDtSingleLine = 0x20;
inline constexpr std::uint32_t kDtWordEllipsis = 0x40000;

inline constexpr int kColorBtnFace = 15;
inline constexpr int kColorBtnShadow = 16;
inline constexpr int kColorBtnText = 18;
inline constexpr int kColorBtnHighlight = 20;
inline constexpr int kColor3DDkShadow = 21;
inline constexpr int kColor3DLight = 22;

constexpr ColorRef Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return static_cast<ColorRef>(red) | (static_cast<ColorRef>(green) << 8) | (static_cast<ColorRef>(blue) << 16);
}
}  // namespace gdi

class Gdi : public Interface {
 public:
  virtual GdiHandle CreateCompatibleDC(GdiHandle dc) = 0;
  virtual GdiHandle CreateCompatibleBitmap(GdiHandle dc, int32_t width, int32_t height) = 0;
  // Returns the object of the same kind that was selected before, 0 on failure.
  virtual GdiHandle SelectObject(GdiHandle dc, GdiHandle object) = 0;
  virtual bool DeleteObject(GdiHandle object) = 0;
  virtual bool DeleteDC(GdiHandle dc) = 0;
  virtual bool BitBlt(GdiHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, GdiHandle source,
                      int32_t sourceX, int32_t sourceY, std::uint32_t rasterOperation) = 0;

  virtual ColorRef GetBkColor(GdiHandle dc) = 0;
  // Each setter returns the previous value.
  virtual ColorRef SetBkColor(GdiHandle dc, ColorRef color) = 0;
  virtual int SetBkMode(GdiHandle dc, int mode) = 0;
  virtual ColorRef SetTextColor(GdiHandle dc, ColorRef color) = 0;

  // With kEtoOpaque the rectangle is filled in the background colour.
  virtual bool ExtTextOut(GdiHandle dc, int32_t x, int32_t y, std::uint32_t options, const GdiRect* rect,
                          StringView text) = 0;
  // Returns the height of the text drawn.
  virtual int32_t DrawText(GdiHandle dc, StringView text, GdiRect& rect, std::uint32_t format) = 0;
  // A font of the description's face and style whose cell is `height` pixels high.
  virtual GdiHandle CreateFontIndirect(const FontDescription& font, int32_t height) = 0;

  virtual GdiHandle CreatePen(int style, int32_t width, ColorRef color) = 0;
  virtual bool MoveToEx(GdiHandle dc, int32_t x, int32_t y) = 0;
  // Draws up to the end point, leaving the end point itself out.
  virtual bool LineTo(GdiHandle dc, int32_t x, int32_t y) = 0;

  // The system's focus mark: a dotted outline drawn by inversion, so a second call erases it.
  virtual bool DrawFocusRect(GdiHandle dc, const GdiRect& rect) = 0;

  // Returns the saved level; RestoreDC with -1 goes back one level.
  virtual int SaveDC(GdiHandle dc) = 0;
  virtual bool RestoreDC(GdiHandle dc, int savedLevel) = 0;

  virtual ColorRef GetSysColor(int index) = 0;
};

}  // namespace host
