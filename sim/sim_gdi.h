#pragma once
// GDI in memory. Memory DCs draw into 32-bit bitmaps; a window's DC, made by the test,
// has a raster of its own that the test reads back. Pens are solid and 1 pixel wide
// whatever their width (the null pen draws nothing); LineTo leaves out its end point.
// Text paints no pixels: every ExtTextOut with text and every DrawText is recorded with
// its rectangle, format, colours and font instead.
// Stricter than Windows where that exposes a fault: deleting an object that a DC still
// holds fails and leaves it alive, so it shows in LiveObjectCount.
#include <cstddef>
#include <map>
#include <vector>

#include "host/gdi/gdi.h"
#include "sim/sim_raster.h"

namespace host::sim {

struct SimTextRecord {
  GdiHandle dc = 0;
  String text;
  GdiRect rect;
  std::uint32_t format = 0;  // DrawText flags; 0 for ExtTextOut
  ColorRef textColor = 0;
  ColorRef backColor = 0;
  int backMode = 0;
  FontDescription font;  // of the DC's selected font; empty name for the stock font
  int32_t fontHeight = 0;
};

class SimGdi : public Gdi {
 public:
  SimGdi();

  GdiHandle CreateCompatibleDC(GdiHandle dc) override;
  GdiHandle CreateCompatibleBitmap(GdiHandle dc, int32_t width, int32_t height) override;
  GdiHandle SelectObject(GdiHandle dc, GdiHandle object) override;
  bool DeleteObject(GdiHandle object) override;
  bool DeleteDC(GdiHandle dc) override;
  bool BitBlt(GdiHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, GdiHandle source,
              int32_t sourceX, int32_t sourceY, std::uint32_t rasterOperation) override;
  ColorRef GetBkColor(GdiHandle dc) override;
  ColorRef SetBkColor(GdiHandle dc, ColorRef color) override;
  int SetBkMode(GdiHandle dc, int mode) override;
  ColorRef SetTextColor(GdiHandle dc, ColorRef color) override;
  bool ExtTextOut(GdiHandle dc, int32_t x, int32_t y, std::uint32_t options, const GdiRect* rect,
                  StringView text) override;
  int32_t DrawText(GdiHandle dc, StringView text, GdiRect& rect, std::uint32_t format) override;
  GdiHandle CreateFontIndirect(const FontDescription& font, int32_t height) override;
  GdiHandle CreatePen(int style, int32_t width, ColorRef color) override;
  bool MoveToEx(GdiHandle dc, int32_t x, int32_t y) override;
  bool LineTo(GdiHandle dc, int32_t x, int32_t y) override;
  // Inverts every other pixel of the outline, starting at the top-left corner.
  bool DrawFocusRect(GdiHandle dc, const GdiRect& rect) override;
  int SaveDC(GdiHandle dc) override;
  bool RestoreDC(GdiHandle dc, int savedLevel) override;
  ColorRef GetSysColor(int index) override;

  // The test's side. A window DC is the platform's, not an object of the drawing code:
  // it does not count as live and DeleteDC refuses it.
  GdiHandle CreateWindowDC(int32_t width, int32_t height);
  void ResizeWindowDC(GdiHandle dc, int32_t width, int32_t height);
  // A pixel of the window or of the bitmap selected into a memory DC.
  ColorRef Pixel(GdiHandle dc, int32_t x, int32_t y) const;
  const SimRaster* Raster(GdiHandle dc) const;
  void SetSysColor(int index, ColorRef color);

  // Pens, fonts, bitmaps and memory DCs created and not yet deleted.
  std::size_t LiveObjectCount() const;
  int BlitCount(GdiHandle destination) const;
  const std::vector<SimTextRecord>& Texts() const { return texts_; }
  void ClearRecords();

  // Windows' classic scheme, indices 0 to 30.
  static const std::vector<ColorRef>& ClassicSystemColors();

 private:
  struct Pen {
    int style;
    ColorRef color;
  };
  struct Font {
    FontDescription description;
    int32_t height;
  };
  struct Bitmap {
    SimRaster raster;
    GdiHandle selectedInto = 0;
  };
  struct DcState {
    GdiHandle bitmap = 0;
    GdiHandle pen = 0;
    GdiHandle font = 0;
    ColorRef backColor = 0xFFFFFF;
    ColorRef textColor = 0;
    int backMode = gdi::kOpaque;
    int32_t x = 0;
    int32_t y = 0;
  };
  struct Dc {
    bool window = false;
    SimRaster windowRaster;
    DcState state;
    std::vector<DcState> saved;
  };

  GdiHandle NewHandle() { return nextHandle_ += 4; }
  Dc* FindDc(GdiHandle dc);
  SimRaster* Target(Dc& dc);
  const SimRaster* Target(const Dc& dc) const;
  bool IsSelectedAnywhere(GdiHandle object) const;
  void SelectBitmap(GdiHandle dcHandle, Dc& dc, GdiHandle bitmap);
  bool IsStock(GdiHandle object) const { return object == stockBitmap_ || object == stockPen_ || object == stockFont_; }

  GdiHandle nextHandle_ = 0x10000;
  GdiHandle stockBitmap_ = 0;
  GdiHandle stockPen_ = 0;
  GdiHandle stockFont_ = 0;
  std::map<GdiHandle, Pen> pens_;
  std::map<GdiHandle, Font> fonts_;
  std::map<GdiHandle, Bitmap> bitmaps_;
  std::map<GdiHandle, Dc> dcs_;
  std::vector<ColorRef> systemColors_;
  std::map<GdiHandle, int> blits_;
  std::vector<SimTextRecord> texts_;
};

}  // namespace host::sim
