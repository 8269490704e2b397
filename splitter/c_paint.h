#pragma once
// The control's off-screen picture: one memory DC and bitmap of the control's size, kept
// from one repaint to the next, and the background and text drawing into it.
#include <cstdint>
#include <optional>

#include "host/font_description.h"
#include "host/gdi/gdi.h"
#include "host/gdi/gdi_owner.h"
#include "host/gdi/gdi_selection.h"
#include "host/ole_color.h"

namespace splitter {

enum class TextAlignment : int32_t { Left = 0, Right = 1, Center = 2 };

class CPaint {
 public:
  // The Gdi outlives the object: the kept memory DC goes back to it on destruction.
  explicit CPaint(host::Gdi& gdi) : gdi_(gdi) {}
  CPaint(const CPaint&) = delete;
  CPaint& operator=(const CPaint&) = delete;

  host::Gdi& Gdi() const { return gdi_; }
  host::GdiHandle hDCMem() const { return memoryDc_.Get(); }

  // Replaces the memory DC with a new one of the given size, compatible with the control's.
  host::GdiHandle GetMemDC(host::GdiHandle controlDc, int32_t width, int32_t height, bool initBackground = false);
  // Copies the picture to the control's DC in one transfer.
  void BltMemDC(host::GdiHandle controlDc, int32_t width, int32_t height);
  void ReleaseMemDC();

  // Fills the rectangle in the colour, or in the DC's background colour when none is given.
  void DrawBackground(host::GdiHandle dc, int32_t left = 0, int32_t top = 0, int32_t width = 0, int32_t height = 0,
                      std::optional<host::OleColor> backColor = std::nullopt);
  // Writes into the memory DC with a font made for the call. `format` keeps the alignment
  // bit added to it.
  void DrawTextInRect(host::StringView text, const host::FontDescription& font, int32_t left, int32_t top,
                      int32_t right, int32_t bottom, int32_t height, std::uint32_t& format, TextAlignment alignment,
                      std::optional<host::ColorRef> backColor = std::nullopt,
                      std::optional<host::ColorRef> textColor = std::nullopt);
  // An OLE colour as GDI takes it: system colours looked up.
  host::ColorRef TranslateColor(host::OleColor color) const;

 private:
  host::GdiObject CreateFontHandle(const host::FontDescription& font, int32_t height);
  void DrawAlignedText(host::GdiHandle dc, host::StringView text, host::GdiRect rect, std::uint32_t& format,
                       TextAlignment alignment);

  host::Gdi& gdi_;
  // Declared so that they go in reverse: the old bitmap back, the bitmap, then the DC.
  host::GdiMemoryDC memoryDc_;
  host::GdiObject memoryBitmap_;
  host::GdiSelection bitmapSelection_;
};

}  // namespace splitter
