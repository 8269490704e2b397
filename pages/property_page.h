#pragma once
// A design-time property page's logic as the platform drives it: created with its site
// (the lists are filled then), told when the selection changes and when to apply, and
// handed the user's actions on its controls.
#include "host/site/page_control.h"
#include "host/text.h"

namespace pages {

class PropertyPage {
 public:
  virtual ~PropertyPage() = default;
  virtual void SelectionChanged() = 0;
  virtual void ApplyChanges() = 0;
  virtual void ControlEvent(host::StringView control, host::PageEvent event) = 0;
};

}  // namespace pages
