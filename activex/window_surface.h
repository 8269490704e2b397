#pragma once
// The control surface over the control's own window: its size is the window's client
// area (which the container's extent sets before activation), and the delegated
// properties hold the platform's values, starting from its defaults.
#include <windows.h>

#include "host/site/control_surface.h"
#include "host/screen.h"

namespace activex {

class OleControl;
class OleDragDrop;

class WindowSurface final : public host::ControlSurface {
 public:
  // The OleControl may still be under construction: it is only read later.
  WindowSurface(const OleControl& control, const host::Screen& screen, OleDragDrop& dragDrop)
      : control_(control), screen_(screen), dragDrop_(dragDrop) {}

  host::WindowHandle Hwnd() const override;
  float ScaleWidth() const override;
  float ScaleHeight() const override;
  host::GdiHandle Hdc() const override;
  host::OleColor BackColor() const override { return backColor_; }
  void SetBackColor(host::OleColor color) override;
  bool Enabled() const override { return enabled_; }
  void SetEnabled(bool enabled) override;
  int16_t MousePointer() const override { return mousePointer_; }
  void SetMousePointer(int16_t pointer) override;
  host::PictureRef MouseIcon() const override { return mouseIcon_; }
  void SetMouseIcon(host::PictureRef icon) override;
  int16_t OLEDropMode() const override { return oleDropMode_; }
  void SetOLEDropMode(int16_t mode) override;
  void OLEDrag() override;
  void SetTabStop(bool on) override;
  host::FontDescription Font() const override { return font_; }
  float TextHeight(host::StringView text) const override;
  // Shows the mouse pointer over the client area; false leaves the window's own cursor.
  bool ShowPointer() const;

 private:
  HWND Window() const;
  // A new pointer shows at once while the mouse is over the window or the window holds
  // the capture (which keeps WM_SETCURSOR away), the window's own cursor standing for none.
  void ShowPointerNow() const;

  const OleControl& control_;
  const host::Screen& screen_;
  OleDragDrop& dragDrop_;
  host::OleColor backColor_ = 0x8000000F;  // the system button face
  bool enabled_ = true;
  int16_t mousePointer_ = 0;
  host::PictureRef mouseIcon_;
  int16_t oleDropMode_ = 0;
  host::FontDescription font_{u"MS Sans Serif"};
};

}  // namespace activex
