#pragma once
// Selects the whole text of a text box when it gets the focus other than by a mouse press
// into it: the page sets MouseDown in the box's mouse-press handler and calls GotFocus in
// its got-focus handler.
#include "host/site/page_control.h"

namespace pages {

class CHighlightText {
 public:
  bool MouseDown() const { return mouseDown_; }
  void SetMouseDown(bool mouseDown) { mouseDown_ = mouseDown; }
  // After a press: nothing selected, and the next focus selects again.
  void GotFocus(host::PageControl& control);

 private:
  static void SelectAllText(host::PageControl& control);

  bool mouseDown_ = false;
};

}  // namespace pages
