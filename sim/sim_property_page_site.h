#pragma once
// A property page's platform in memory: controls made on first use by name, the selected
// controls a test hands it, the Changed flag and recording dialogs.
#include <map>
#include <memory>
#include <vector>

#include "host/site/property_page_site.h"
#include "sim/sim_dialogs.h"
#include "sim/sim_page_control.h"

namespace host::sim {

class SimPropertyPageSite : public PropertyPageSite {
 public:
  SimPageControl& Control(StringView name) override;
  NamedObject& SelectedControl() override;
  bool Changed() const override { return changed_; }
  void SetChanged(bool changed) override { changed_ = changed; }
  Dialogs& dialogs() override { return messages; }

  void Select(std::vector<NamedObjectRef> controls) { selected_ = std::move(controls); }

  SimDialogs messages;

 private:
  std::map<String, std::unique_ptr<SimPageControl>, std::less<>> controls_;
  std::vector<NamedObjectRef> selected_;
  bool changed_ = false;
};

}  // namespace host::sim
