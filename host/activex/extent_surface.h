#pragma once
// The control surface while the control has no window of its own: its size is the extent
// the container gave (IOleObject::SetExtent), 320 x 240 pixels until it gives one, and the
// delegated properties hold the platform's initial values.
#include "host/control_surface.h"
#include "host/screen.h"

namespace activex {

class ExtentSurface final : public host::ControlSurface {
 public:
  explicit ExtentSurface(const host::Screen& screen) : screen_(screen) {}

  // HIMETRIC, as IOleObject passes it.
  void SetExtent(long widthHimetric, long heightHimetric);
  long WidthHimetric() const;
  long HeightHimetric() const;

  host::WindowHandle Hwnd() const override { return 0; }
  float ScaleWidth() const override { return widthPixels_; }
  float ScaleHeight() const override { return heightPixels_; }
  host::OleColor BackColor() const override { return backColor_; }
  void SetBackColor(host::OleColor color) override { backColor_ = color; }
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override { enabled_ = enabled; }
  int16_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(int16_t pointer) override { mousePointer_ = pointer; }
  host::PictureRef MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(host::PictureRef icon) override { mouseIcon_ = std::move(icon); }
  int16_t OLEDropMode() const override { return oleDropMode_; }
  void SetOLEDropMode(int16_t mode) override { oleDropMode_ = mode; }
  void OLEDrag() override;
  host::FontDescription Font() const override { return font_; }
  float TextHeight(host::StringView text) const override;

 private:
  const host::Screen& screen_;
  float widthPixels_ = 320;
  float heightPixels_ = 240;
  host::OleColor backColor_ = 0x8000000F;
  bool enabled_ = true;
  int16_t mousePointer_ = 0;
  host::PictureRef mouseIcon_;
  int16_t oleDropMode_ = 0;
  host::FontDescription font_{u"MS Sans Serif"};
};

}  // namespace activex
