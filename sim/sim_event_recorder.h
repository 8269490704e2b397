#pragma once
// Records every raised event with a copy of its arguments as raised, then runs the test's
// handler, which may write to the arguments as a client's handler would. Logs
// "Event <name>".
#include <functional>
#include <span>
#include <vector>

#include "host/site/event_raiser.h"
#include "sim/sim_trace.h"

namespace host::sim {

class SimEventRecorder : public EventRaiser {
 public:
  struct RecordedEvent {
    int32_t dispatchId;
    String name;
    std::vector<Variant> arguments;
  };
  using Handler = std::function<void(const EventId& event, std::span<Variant> arguments)>;

  explicit SimEventRecorder(SimTrace* sharedTrace = nullptr) : sharedTrace_(sharedTrace) {}

  void RaiseEvent(const EventId& event, std::span<Variant> arguments) override;

  void SetHandler(Handler handler) { handler_ = std::move(handler); }
  const std::vector<RecordedEvent>& Events() const { return events_; }
  std::vector<String> Names() const;
  void Clear() { events_.clear(); }

 private:
  SimTrace* sharedTrace_;
  Handler handler_;
  std::vector<RecordedEvent> events_;
};

}  // namespace host::sim
