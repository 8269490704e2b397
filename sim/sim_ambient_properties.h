#pragma once
// Ambient properties of a form at run time in twips, until the test changes them.
#include "host/site/ambient_properties.h"

namespace host::sim {

class SimAmbientProperties : public AmbientProperties {
 public:
  bool UserMode() const override { return userMode_; }
  String ScaleUnits() const override { return scaleUnits_; }

  void SetUserMode(bool userMode) { userMode_ = userMode; }
  void SetScaleUnits(String scaleUnits) { scaleUnits_ = std::move(scaleUnits); }

 private:
  bool userMode_ = true;
  String scaleUnits_ = u"Twip";
};

}  // namespace host::sim
