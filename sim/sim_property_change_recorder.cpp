#include "sim/sim_property_change_recorder.h"

namespace host::sim {

void SimPropertyChangeRecorder::PropertyChanged(StringView name) {
  names_.emplace_back(name);
  if (sharedTrace_) sharedTrace_->Add("PropertyChanged " + SimTrace::Text(name));
}

}  // namespace host::sim
