#include "sim/sim_gdi.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace host::sim {

using gdi::Rgb;

SimGdi::SimGdi() : systemColors_(ClassicSystemColors()) {
  stockBitmap_ = NewHandle();
  bitmaps_[stockBitmap_] = Bitmap{SimRaster(1, 1, true)};
  stockPen_ = NewHandle();
  pens_[stockPen_] = Pen{gdi::kPenSolid, 0};
  stockFont_ = NewHandle();
  fonts_[stockFont_] = Font{FontDescription{}, 16};
}

const std::vector<ColorRef>& SimGdi::ClassicSystemColors() {
  static const std::vector<ColorRef> colors = {
      Rgb(192, 192, 192), Rgb(0, 128, 128),   Rgb(0, 0, 128),     Rgb(128, 128, 128),  // 0-3
      Rgb(192, 192, 192), Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),        // 4-7
      Rgb(0, 0, 0),       Rgb(255, 255, 255), Rgb(192, 192, 192), Rgb(192, 192, 192),  // 8-11
      Rgb(128, 128, 128), Rgb(0, 0, 128),     Rgb(255, 255, 255), Rgb(192, 192, 192),  // 12-15
      Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(192, 192, 192),  // 16-19
      Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(192, 192, 192), Rgb(0, 0, 0),        // 20-23
      Rgb(255, 255, 225), Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(16, 132, 208),   // 24-27
      Rgb(181, 181, 181), Rgb(0, 0, 128),     Rgb(192, 192, 192)};                     // 28-30
  return colors;
}

SimGdi::Dc* SimGdi::FindDc(GdiHandle dc) {
  auto found = dcs_.find(dc);
  return found == dcs_.end() ? nullptr : &found->second;
}

SimRaster* SimGdi::Target(Dc& dc) {
  if (dc.window) return &dc.windowRaster;
  auto found = bitmaps_.find(dc.state.bitmap);
  return found == bitmaps_.end() ? nullptr : &found->second.raster;
}

const SimRaster* SimGdi::Target(const Dc& dc) const {
  if (dc.window) return &dc.windowRaster;
  auto found = bitmaps_.find(dc.state.bitmap);
  return found == bitmaps_.end() ? nullptr : &found->second.raster;
}

bool SimGdi::IsSelectedAnywhere(GdiHandle object) const {
  for (const auto& [handle, dc] : dcs_) {
    const DcState& s = dc.state;
    if (s.bitmap == object || s.pen == object || s.font == object) return true;
  }
  return false;
}

void SimGdi::SelectBitmap(GdiHandle dcHandle, Dc& dc, GdiHandle bitmap) {
  if (dc.state.bitmap != stockBitmap_) {
    auto old = bitmaps_.find(dc.state.bitmap);
    if (old != bitmaps_.end()) old->second.selectedInto = 0;
  }
  dc.state.bitmap = bitmap;
  if (bitmap != stockBitmap_) bitmaps_[bitmap].selectedInto = dcHandle;
}

GdiHandle SimGdi::CreateCompatibleDC(GdiHandle dc) {
  if (dc && !FindDc(dc)) return 0;
  GdiHandle handle = NewHandle();
  Dc& created = dcs_[handle];
  created.state.bitmap = stockBitmap_;
  created.state.pen = stockPen_;
  created.state.font = stockFont_;
  return handle;
}

GdiHandle SimGdi::CreateCompatibleBitmap(GdiHandle dc, int32_t width, int32_t height) {
  Dc* source = FindDc(dc);
  if (!source || width < 0 || height < 0) return 0;
  // Compatible with a memory DC means like the bitmap it holds: a fresh memory DC makes
  // monochrome bitmaps, the classic pitfall.
  const SimRaster* raster = Target(*source);
  const bool monochrome = raster && raster->Monochrome();
  GdiHandle handle = NewHandle();
  bitmaps_[handle] = Bitmap{SimRaster(width, height, monochrome)};
  return handle;
}

GdiHandle SimGdi::SelectObject(GdiHandle dcHandle, GdiHandle object) {
  Dc* dc = FindDc(dcHandle);
  if (!dc) return 0;
  if (auto bitmap = bitmaps_.find(object); bitmap != bitmaps_.end()) {
    if (dc->window) return 0;
    if (bitmap->second.selectedInto && bitmap->second.selectedInto != dcHandle) return 0;
    GdiHandle previous = dc->state.bitmap;
    SelectBitmap(dcHandle, *dc, object);
    return previous;
  }
  if (pens_.count(object)) return std::exchange(dc->state.pen, object);
  if (fonts_.count(object)) return std::exchange(dc->state.font, object);
  return 0;
}

bool SimGdi::DeleteObject(GdiHandle object) {
  if (IsStock(object)) return true;
  const bool known = pens_.count(object) || fonts_.count(object) || bitmaps_.count(object);
  if (!known || IsSelectedAnywhere(object)) return false;
  pens_.erase(object);
  fonts_.erase(object);
  bitmaps_.erase(object);
  return true;
}

bool SimGdi::DeleteDC(GdiHandle dcHandle) {
  Dc* dc = FindDc(dcHandle);
  if (!dc || dc->window) return false;
  if (auto bitmap = bitmaps_.find(dc->state.bitmap); bitmap != bitmaps_.end() && dc->state.bitmap != stockBitmap_)
    bitmap->second.selectedInto = 0;
  dcs_.erase(dcHandle);
  return true;
}

bool SimGdi::BitBlt(GdiHandle destination, int32_t x, int32_t y, int32_t width, int32_t height, GdiHandle source,
                    int32_t sourceX, int32_t sourceY, std::uint32_t rasterOperation) {
  Dc* to = FindDc(destination);
  Dc* from = FindDc(source);
  if (!to || !from || rasterOperation != gdi::kSrcCopy) return false;
  ++blits_[destination];
  SimRaster* target = Target(*to);
  const SimRaster* origin = Target(*from);
  if (!target || !origin) return true;
  for (int32_t row = 0; row < height; ++row)
    for (int32_t column = 0; column < width; ++column) {
      const ColorRef color = origin->Get(sourceX + column, sourceY + row);
      if (color != gdi::kInvalidColor) target->Set(x + column, y + row, color);
    }
  return true;
}

ColorRef SimGdi::GetBkColor(GdiHandle dc) {
  Dc* found = FindDc(dc);
  return found ? found->state.backColor : gdi::kInvalidColor;
}

ColorRef SimGdi::SetBkColor(GdiHandle dc, ColorRef color) {
  Dc* found = FindDc(dc);
  return found ? std::exchange(found->state.backColor, color) : gdi::kInvalidColor;
}

int SimGdi::SetBkMode(GdiHandle dc, int mode) {
  Dc* found = FindDc(dc);
  return found ? std::exchange(found->state.backMode, mode) : 0;
}

ColorRef SimGdi::SetTextColor(GdiHandle dc, ColorRef color) {
  Dc* found = FindDc(dc);
  return found ? std::exchange(found->state.textColor, color) : gdi::kInvalidColor;
}

bool SimGdi::ExtTextOut(GdiHandle dcHandle, int32_t x, int32_t y, std::uint32_t options, const GdiRect* rect,
                        StringView text) {
  Dc* dc = FindDc(dcHandle);
  if (!dc) return false;
  if ((options & gdi::kEtoOpaque) && rect)
    if (SimRaster* target = Target(*dc))
      target->Fill(rect->left, rect->top, rect->right, rect->bottom, dc->state.backColor);
  if (!text.empty()) {
    const Font& font = fonts_.at(dc->state.font);
    texts_.push_back({dcHandle, String(text), rect ? *rect : GdiRect{x, y, x, y}, 0, dc->state.textColor,
                      dc->state.backColor, dc->state.backMode, font.description, font.height});
  }
  return true;
}

int32_t SimGdi::DrawText(GdiHandle dcHandle, StringView text, GdiRect& rect, std::uint32_t format) {
  Dc* dc = FindDc(dcHandle);
  if (!dc) return 0;
  const Font& font = fonts_.at(dc->state.font);
  texts_.push_back({dcHandle, String(text), rect, format, dc->state.textColor, dc->state.backColor, dc->state.backMode,
                    font.description, font.height});
  return font.height;
}

GdiHandle SimGdi::CreateFontIndirect(const FontDescription& font, int32_t height) {
  GdiHandle handle = NewHandle();
  fonts_[handle] = Font{font, height};
  return handle;
}

GdiHandle SimGdi::CreatePen(int style, int32_t width, ColorRef color) {
  GdiHandle handle = NewHandle();
  pens_[handle] = Pen{style, color & 0xFFFFFF};
  return handle;
}

bool SimGdi::MoveToEx(GdiHandle dc, int32_t x, int32_t y) {
  Dc* found = FindDc(dc);
  if (!found) return false;
  found->state.x = x;
  found->state.y = y;
  return true;
}

bool SimGdi::DrawFocusRect(GdiHandle dcHandle, const GdiRect& rect) {
  Dc* dc = FindDc(dcHandle);
  if (!dc) return false;
  SimRaster* target = Target(*dc);
  if (!target) return true;
  auto invert = [&](int32_t x, int32_t y) {
    if ((x + y) % 2 == 0 && target->Contains(x, y)) target->Set(x, y, target->Get(x, y) ^ 0xFFFFFFu);
  };
  for (int32_t x = rect.left; x < rect.right; ++x) {
    invert(x, rect.top);
    if (rect.bottom - 1 > rect.top) invert(x, rect.bottom - 1);
  }
  for (int32_t y = rect.top + 1; y < rect.bottom - 1; ++y) {
    invert(rect.left, y);
    if (rect.right - 1 > rect.left) invert(rect.right - 1, y);
  }
  return true;
}

bool SimGdi::LineTo(GdiHandle dcHandle, int32_t x, int32_t y) {
  const int32_t endX = x, endY = y;
  Dc* dc = FindDc(dcHandle);
  if (!dc) return false;
  const Pen& pen = pens_.at(dc->state.pen);
  SimRaster* target = Target(*dc);
  if (target && pen.style != gdi::kPenNull) {
    // Bresenham; exact for the straight lines that painting draws. A horizontal or vertical
    // line is first cut to the raster (one pixel beyond each edge), so a far end costs nothing.
    int32_t px = dc->state.x, py = dc->state.y;
    if (py == y) {
      px = std::clamp(px, -1, target->Width());
      x = std::clamp(x, -1, target->Width());
    } else if (px == x) {
      py = std::clamp(py, -1, target->Height());
      y = std::clamp(y, -1, target->Height());
    }
    const int32_t dx = std::abs(x - px), dy = -std::abs(y - py);
    const int32_t stepX = px < x ? 1 : -1, stepY = py < y ? 1 : -1;
    int32_t error = dx + dy;
    while (px != x || py != y) {
      target->Set(px, py, pen.color);
      const int32_t twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        px += stepX;
      }
      if (twice <= dx) {
        error += dx;
        py += stepY;
      }
    }
  }
  dc->state.x = endX;
  dc->state.y = endY;
  return true;
}

int SimGdi::SaveDC(GdiHandle dc) {
  Dc* found = FindDc(dc);
  if (!found) return 0;
  found->saved.push_back(found->state);
  return static_cast<int>(found->saved.size());
}

bool SimGdi::RestoreDC(GdiHandle dcHandle, int savedLevel) {
  Dc* dc = FindDc(dcHandle);
  if (!dc) return false;
  const int count = static_cast<int>(dc->saved.size());
  const int level = savedLevel < 0 ? count + 1 + savedLevel : savedLevel;
  if (level < 1 || level > count) return false;
  DcState restored = dc->saved[static_cast<size_t>(level - 1)];
  dc->saved.resize(static_cast<size_t>(level - 1));
  // Objects deleted since the save stay deselected rather than coming back to life.
  if (!pens_.count(restored.pen)) restored.pen = dc->state.pen;
  if (!fonts_.count(restored.font)) restored.font = dc->state.font;
  if (!bitmaps_.count(restored.bitmap)) restored.bitmap = dc->state.bitmap;
  if (restored.bitmap != dc->state.bitmap) SelectBitmap(dcHandle, *dc, restored.bitmap);
  dc->state = restored;
  return true;
}

ColorRef SimGdi::GetSysColor(int index) {
  return index >= 0 && index < static_cast<int>(systemColors_.size()) ? systemColors_[static_cast<size_t>(index)] : 0;
}

GdiHandle SimGdi::CreateWindowDC(int32_t width, int32_t height) {
  GdiHandle handle = NewHandle();
  Dc& dc = dcs_[handle];
  dc.window = true;
  dc.windowRaster.Resize(width, height);
  dc.state.pen = stockPen_;
  dc.state.font = stockFont_;
  return handle;
}

void SimGdi::ResizeWindowDC(GdiHandle dc, int32_t width, int32_t height) {
  if (Dc* found = FindDc(dc); found && found->window) found->windowRaster.Resize(width, height);
}

const SimRaster* SimGdi::Raster(GdiHandle dc) const {
  auto found = dcs_.find(dc);
  return found == dcs_.end() ? nullptr : Target(found->second);
}

ColorRef SimGdi::Pixel(GdiHandle dc, int32_t x, int32_t y) const {
  const SimRaster* raster = Raster(dc);
  return raster ? raster->Get(x, y) : gdi::kInvalidColor;
}

void SimGdi::SetSysColor(int index, ColorRef color) {
  if (index < 0) return;
  if (index >= static_cast<int>(systemColors_.size())) systemColors_.resize(static_cast<size_t>(index) + 1, 0);
  systemColors_[static_cast<size_t>(index)] = color & 0xFFFFFF;
}

std::size_t SimGdi::LiveObjectCount() const {
  std::size_t windows = 0;
  for (const auto& [handle, dc] : dcs_) windows += dc.window ? 1 : 0;
  return pens_.size() + fonts_.size() + bitmaps_.size() + dcs_.size() - windows - 3;  // less the stock objects
}

int SimGdi::BlitCount(GdiHandle destination) const {
  auto found = blits_.find(destination);
  return found == blits_.end() ? 0 : found->second;
}

void SimGdi::ClearRecords() {
  blits_.clear();
  texts_.clear();
}

}  // namespace host::sim
