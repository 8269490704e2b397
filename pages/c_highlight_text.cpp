#include "pages/c_highlight_text.h"

namespace pages {

void CHighlightText::GotFocus(host::PageControl& control) {
  if (!mouseDown_)
    SelectAllText(control);
  else
    mouseDown_ = false;
}

void CHighlightText::SelectAllText(host::PageControl& control) {
  control.SetSelection(0, static_cast<int32_t>(control.Text().size()));
}

}  // namespace pages
