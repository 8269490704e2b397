#pragma once
#include <functional>
// A control surface that keeps what is set and logs every assignment, in order, as
// "<Property> <value>" lines ("MousePointer 99", "MouseIcon cursor 120", "OLEDrag").
// It starts as a new control's surface does: button-face background, enabled, pointer 0,
// no icon, drop mode 0, 320 by 240 pixels.
#include "host/site/control_surface.h"
#include "sim/sim_traced.h"

namespace host::sim {

class SimControlSurface : public ControlSurface, public SimTraced {
 public:
  explicit SimControlSurface(WindowHandle hwnd = 0x1000, SimTrace* sharedTrace = nullptr)
      : SimTraced(sharedTrace), hwnd_(hwnd) {}

  WindowHandle Hwnd() const override { return hwnd_; }
  float ScaleWidth() const override { return scaleWidth_; }
  float ScaleHeight() const override { return scaleHeight_; }
  GdiHandle Hdc() const override { return hdc_; }
  OleColor BackColor() const override { return backColor_; }
  void SetBackColor(OleColor color) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  int16_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(int16_t pointer) override;
  PictureRef MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(PictureRef icon) override;
  int16_t OLEDropMode() const override { return oleDropMode_; }
  void SetOLEDropMode(int16_t mode) override;
  void OLEDrag() override;
  void SetTabStop(bool on) override;
  bool TabStop() const { return tabStop_; }
  FontDescription Font() const override { return font_; }
  // The font's line height, whatever the text.
  float TextHeight(StringView text) const override { return textHeight_; }

  // Set up by the test; not logged.
  // The window's DC on a simulated GDI, kept at the scale size.
  void AttachWindowDC(std::function<void(float, float)> resize, GdiHandle hdc) {
    resizeWindowDC_ = std::move(resize);
    hdc_ = hdc;
    resizeWindowDC_(scaleWidth_, scaleHeight_);
  }
  void SetScaleSize(float width, float height) {
    scaleWidth_ = width;
    scaleHeight_ = height;
    if (resizeWindowDC_) resizeWindowDC_(width, height);
  }

 private:
  WindowHandle hwnd_;
  std::function<void(float, float)> resizeWindowDC_;
  GdiHandle hdc_ = 0;
  float scaleWidth_ = 320;
  float scaleHeight_ = 240;
  OleColor backColor_ = kButtonFaceColor;
  bool enabled_ = true;
  int16_t mousePointer_ = 0;
  PictureRef mouseIcon_;
  int16_t oleDropMode_ = 0;
  bool tabStop_ = false;
  FontDescription font_{u"MS Sans Serif"};
  float textHeight_ = 13;
};

}  // namespace host::sim
