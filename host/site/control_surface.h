#pragma once
// The user-control object that the platform provides: the control's window and the
// properties that the control delegates to it instead of storing them.
#include <cstdint>

#include "host/font_description.h"
#include "host/gdi/gdi.h"
#include "host/interface.h"
#include "host/ole_color.h"
#include "host/site/picture.h"
#include "host/text.h"
#include "host/window_handle.h"

namespace host {

class ControlSurface : public Interface {
 public:
  // The control's own window; it exists for the control's whole life.
  virtual WindowHandle Hwnd() const = 0;
  // The client area in pixels, the surface's scale being pixels.
  virtual float ScaleWidth() const = 0;
  virtual float ScaleHeight() const = 0;
  // The device context of the control's window, valid for the control's life.
  virtual GdiHandle Hdc() const = 0;

  virtual OleColor BackColor() const = 0;
  virtual void SetBackColor(OleColor color) = 0;
  virtual bool Enabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // 99 selects MouseIcon; a value the platform rejects throws host::Error.
  virtual int16_t MousePointer() const = 0;
  virtual void SetMousePointer(int16_t pointer) = 0;
  virtual PictureRef MouseIcon() const = 0;
  virtual void SetMouseIcon(PictureRef icon) = 0;  // null for none
  virtual int16_t OLEDropMode() const = 0;
  virtual void SetOLEDropMode(int16_t mode) = 0;
  // Whether the container's Tab order stops at the control's window.
  virtual void SetTabStop(bool on) = 0;
  // Starts an OLE drag with the control as its source.
  virtual void OLEDrag() = 0;

  virtual FontDescription Font() const = 0;
  // Height in pixels of the text's line in the surface's font.
  virtual float TextHeight(StringView text) const = 0;
};

}  // namespace host
