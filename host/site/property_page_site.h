#pragma once
// What the property-page framework gives a page: its selection and its Changed flag.
#include "host/variant.h"

namespace host {

class PropertyPageSite {
 public:
  virtual ~PropertyPageSite() = default;
  // Item 0 of the selected controls; null when nothing is selected.
  virtual ObjectRef FirstSelectedControl() const = 0;
  // True tells the framework that the page holds edits to apply.
  virtual bool Changed() const = 0;
  virtual void SetChanged(bool changed) = 0;
};

}  // namespace host
