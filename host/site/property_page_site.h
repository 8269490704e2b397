#pragma once
// What the platform gives one property page: its controls by name, the controls selected
// in the designer, the page's Changed flag (True enables the host's Apply) and dialogs.
#include "host/interface.h"
#include "host/site/dialogs.h"
#include "host/site/named_object.h"
#include "host/site/page_control.h"

namespace host {

class PropertyPageSite : public Interface {
 public:
  // The page's control of that name (cboIndex, txtKey, ...); every name the page lays out.
  virtual PageControl& Control(StringView name) = 0;
  // Item 0 of the selected controls; "Object required" when nothing is selected.
  virtual NamedObject& SelectedControl() = 0;
  virtual bool Changed() const = 0;
  virtual void SetChanged(bool changed) = 0;
  virtual Dialogs& dialogs() = 0;
};

}  // namespace host
