#pragma once
// The "Behavior" property page: how the splitters of the first selected control are
// operated (SplitterKeyboard, SplitterIncrement, SplitterGrabSize, LiveDrag) and how its
// panes meet a change of its size (ResizeMode), read and written by name. Each field is one
// row of a table that names its control, its property and its kind.
#include "host/site/property_page_site.h"
#include "pages/c_highlight_text.h"
#include "pages/property_page.h"

namespace pages {

class Behavior final : public PropertyPage {
 public:
  // The page is created: its lists are filled.
  explicit Behavior(host::PropertyPageSite& site);

  // Loads every field from the control.
  void SelectionChanged() override;
  // Writes the fields that differ from the control; a rejected value is reported and the
  // fields reloaded, the other fields are written all the same.
  void ApplyChanges() override;
  void ControlEvent(host::StringView control, host::PageEvent event) override;

 private:
  host::PropertyPageSite& site_;
  CHighlightText m_oHighlight;
};

}  // namespace pages
