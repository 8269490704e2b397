#pragma once
// Raising the events of a public object to its clients.
#include <cstdint>
#include <span>

#include "host/interface.h"
#include "host/text.h"
#include "host/variant.h"

namespace host {

// An event of a public event interface: the dispatch id travels, the name is for people.
struct EventId {
  int32_t dispatchId;
  StringView name;

  bool operator==(const EventId&) const = default;
};

class EventRaiser : public Interface {
 public:
  // Synchronous: returns after the handlers ran. Arguments go by reference, so a handler's
  // writes are in them afterwards.
  virtual void RaiseEvent(const EventId& event, std::span<Variant> arguments) = 0;
};

}  // namespace host
