#include "splitter/c_paint.h"

#include "host/error.h"

namespace splitter {

using host::ColorRef;
using host::GdiHandle;

namespace {
// A face name fills at most this many characters of the font description before its NUL.
constexpr std::size_t kMaxFaceNameLength = 32;
constexpr int32_t kSubscriptOutOfRange = 9;
}  // namespace

GdiHandle CPaint::GetMemDC(GdiHandle controlDc, int32_t width, int32_t height, bool initBackground) {
  ReleaseMemDC();
  memoryDc_ = host::GdiMemoryDC(gdi_, gdi_.CreateCompatibleDC(controlDc));
  memoryBitmap_ = host::GdiObject(gdi_, gdi_.CreateCompatibleBitmap(controlDc, width, height));
  bitmapSelection_ = host::GdiSelection(gdi_, memoryDc_.Get(), memoryBitmap_.Get());
  if (initBackground) DrawBackground(memoryDc_.Get(), 0, 0, width, height, gdi_.GetBkColor(controlDc));
  return memoryDc_.Get();
}

void CPaint::ReleaseMemDC() {
  if (!memoryBitmap_.Get()) return;
  bitmapSelection_.Restore();
  memoryBitmap_.Reset();
  memoryDc_.Reset();
}

void CPaint::BltMemDC(GdiHandle controlDc, int32_t width, int32_t height) {
  gdi_.BitBlt(controlDc, 0, 0, width, height, memoryDc_.Get(), 0, 0, host::gdi::kSrcCopy);
}

void CPaint::DrawBackground(GdiHandle dc, int32_t left, int32_t top, int32_t width, int32_t height,
                            std::optional<host::OleColor> backColor) {
  const host::GdiRect rect{left, top, left + width, top + height};
  const ColorRef color = backColor ? TranslateColor(*backColor) : gdi_.GetBkColor(dc);
  const ColorRef previous = gdi_.SetBkColor(dc, color);
  // The opaque fill of an empty text paints the rectangle.
  gdi_.ExtTextOut(dc, 0, 0, host::gdi::kEtoOpaque | host::gdi::kEtoClipped, &rect, u"");
  gdi_.SetBkColor(dc, previous);
}

ColorRef CPaint::TranslateColor(host::OleColor color) const {
  if (host::IsSystemColor(color)) return gdi_.GetSysColor(static_cast<int>(color & 0xFFFFFFu));
  return color;
}

host::GdiObject CPaint::CreateFontHandle(const host::FontDescription& font, int32_t height) {
  if (font.name.size() > kMaxFaceNameLength)
    throw host::Error(kSubscriptOutOfRange, host::kApplicationTitle, u"Subscript out of range", host::String());
  return host::GdiObject(gdi_, gdi_.CreateFontIndirect(font, height));
}

void CPaint::DrawTextInRect(host::StringView text, const host::FontDescription& font, int32_t left, int32_t top,
                            int32_t right, int32_t bottom, int32_t height, std::uint32_t& format,
                            TextAlignment alignment, std::optional<ColorRef> backColor,
                            std::optional<ColorRef> textColor) {
  const GdiHandle dc = memoryDc_.Get();
  host::GdiObject fontHandle = CreateFontHandle(font, height);
  host::GdiSelection fontSelection(gdi_, dc, fontHandle.Get());
  const int previousMode = gdi_.SetBkMode(dc, host::gdi::kTransparent);
  const std::optional<ColorRef> previousBack =
      backColor ? std::optional(gdi_.SetBkColor(dc, *backColor)) : std::nullopt;
  const std::optional<ColorRef> previousText =
      textColor ? std::optional(gdi_.SetTextColor(dc, *textColor)) : std::nullopt;

  DrawAlignedText(dc, text, host::GdiRect{left, top, right, bottom}, format, alignment);

  fontSelection.Restore();
  fontHandle.Reset();
  if (previousText) gdi_.SetTextColor(dc, *previousText);
  if (previousBack) gdi_.SetBkColor(dc, *previousBack);
  gdi_.SetBkMode(dc, previousMode);
}

void CPaint::DrawAlignedText(GdiHandle dc, host::StringView text, host::GdiRect rect, std::uint32_t& format,
                             TextAlignment alignment) {
  host::String aligned;
  switch (alignment) {
    case TextAlignment::Left:
      aligned = u"  " + host::String(text);
      break;
    case TextAlignment::Right:
      format |= host::gdi::kDtRight;
      aligned = host::String(text) + u"  ";
      break;
    default:
      format |= host::gdi::kDtCenter;
      aligned = host::String(text);
      break;
  }
  gdi_.DrawText(dc, aligned, rect, format);
}

}  // namespace splitter
