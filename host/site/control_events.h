#pragma once
// The notifications that the platform sends a control instance; the control implements them.
// All arrive on the thread that created the control; errors thrown reach the host.
#include "host/site/property_bag.h"
#include "host/text.h"

namespace host {

class ControlEvents {
 public:
  virtual ~ControlEvents() = default;
  // Created; InitProperties or ReadProperties follows once.
  virtual void Initialize() = 0;
  // A new instance: set the defaults.
  virtual void InitProperties() = 0;
  // A saved instance: load from the bag.
  virtual void ReadProperties(PropertyBag& bag) = 0;
  // The host saves.
  virtual void WriteProperties(PropertyBag& bag) = 0;
  virtual void Show() = 0;
  virtual void Resize() = 0;
  virtual void Paint() = 0;
  // An ambient property changed, by its name.
  virtual void AmbientChanged(StringView name) = 0;
  virtual void Terminate() = 0;
  virtual void Click() = 0;
  virtual void DblClick() = 0;
};

}  // namespace host
