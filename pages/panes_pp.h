#pragma once
// The "Panes" property page: steps through the panes of the first selected splitter, edits
// the shown pane through its public interface (so the pane's own checks apply), inserts a
// pane after the shown one and removes the shown one.
#include "host/site/property_page_site.h"
#include "pages/c_highlight_text.h"
#include "pages/property_page.h"

namespace pages {

class PanesPP final : public PropertyPage {
 public:
  // Initialize: the appearance list is filled.
  explicit PanesPP(host::PropertyPageSite& site);

  void SelectionChanged() override;
  void ApplyChanges() override { ApplyPane(); }
  void ControlEvent(host::StringView control, host::PageEvent event) override;

  // The 0-based list position of the pane whose values the fields hold.
  int32_t CurrentIndex() const { return currentIndex_; }

 private:
  host::PageControl& Field(host::StringView name) { return site_.Control(name); }
  host::NamedObjectRef Panes();
  bool IsHorizontal();
  void ShowError(host::StringView description);

  void FillControlNames();
  void FillIndexList();
  void IndexSelected();
  void ShowPane();
  void ApplyPane();
  void InsertPane();
  void RemovePane();
  void UpdateControlStates();
  void UpdateControlColors();
  void UpdateRemoveButton();

  host::PropertyPageSite& site_;
  CHighlightText Highlighter;
  int32_t currentIndex_ = 0;
};

}  // namespace pages
