#pragma once
// A window of the component (the About box) that the host shows modally. The host builds it
// from the window's layout and asks this object for its texts and what its clicks do.
#include "host/interface.h"
#include "host/text.h"

namespace host {

class ModalWindow : public Interface {
 public:
  // Which of the component's window layouts to show, by its form name.
  virtual String WindowName() const = 0;
  virtual String Caption() const = 0;
  // The text shown in an element of the layout, by the element's name.
  virtual String ElementText(StringView element) const = 0;
  // The user clicked that element; True closes the window.
  virtual bool ElementClicked(StringView element) = 0;
};

}  // namespace host
