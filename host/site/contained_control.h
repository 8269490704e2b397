#pragma once
// A control that the developer placed inside the splitter, reached by name through its
// extender: any member may throw host::Error when the control lacks it.
#include <memory>

#include "host/interface.h"
#include "host/text.h"
#include "host/window_handle.h"

namespace host {

class ContainedControl : public Interface {
 public:
  virtual String Name() const = 0;
  // Throws host::Error for a control that has no window (a label, an image).
  virtual WindowHandle Hwnd() const = 0;
  // The extender's Move; the arguments are passed on as given, whatever the units.
  virtual void Move(double left, double top, double width, double height) = 0;
  virtual void Refresh() = 0;
};
using ContainedControlRef = std::shared_ptr<ContainedControl>;

}  // namespace host
