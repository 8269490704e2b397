#pragma once
// The "General" property page: the splitter-wide properties of the first selected control
// (Appearance, BorderStyle, MousePointer, OLEDropMode, SplitterStyle, Orientation,
// SplitterSize, Enabled), read and written by name.
#include "host/site/property_page_site.h"
#include "pages/c_highlight_text.h"
#include "pages/property_page.h"

namespace pages {

class General final : public PropertyPage {
 public:
  // The page is created: its lists are filled.
  explicit General(host::PropertyPageSite& site);

  // Loads the fields from the control; an unlisted value stops the load with the list's error.
  void SelectionChanged() override;
  // Writes all eight properties; a rejected SplitterSize is reported and the fields reloaded,
  // the other properties' failures are dropped.
  void ApplyChanges() override;
  void ControlEvent(host::StringView control, host::PageEvent event) override;

 private:
  host::PageControl& Field(host::StringView name) { return site_.Control(name); }

  host::PropertyPageSite& site_;
  CHighlightText m_oHighlight;
};

}  // namespace pages
