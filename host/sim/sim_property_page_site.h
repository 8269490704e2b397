#pragma once
// A property-page framework holding one selection and the page's Changed flag.
#include "host/site/property_page_site.h"

namespace host::sim {

class SimPropertyPageSite : public PropertyPageSite {
 public:
  ObjectRef FirstSelectedControl() const override { return selected_; }
  bool Changed() const override { return changed_; }
  void SetChanged(bool changed) override { changed_ = changed; }

  void Select(ObjectRef control) { selected_ = std::move(control); }

 private:
  ObjectRef selected_;
  bool changed_ = false;
};

}  // namespace host::sim
