#include "sim/sim_event_recorder.h"

namespace host::sim {

void SimEventRecorder::RaiseEvent(const EventId& event, std::span<Variant> arguments) {
  events_.push_back({event.dispatchId, String(event.name), {arguments.begin(), arguments.end()}});
  if (sharedTrace_) sharedTrace_->Add("Event " + SimTrace::Text(event.name));
  // A copy, so that a handler may replace itself while it runs.
  if (Handler handler = handler_) handler(event, arguments);
}

std::vector<String> SimEventRecorder::Names() const {
  std::vector<String> names;
  for (const auto& event : events_) names.push_back(event.name);
  return names;
}

}  // namespace host::sim
