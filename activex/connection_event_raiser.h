#pragma once
// Raises a control's events through its connection point: each argument goes by reference,
// and what a handler writes into it comes back in the Variant.
#include <initializer_list>
#include <vector>

#include "activex/connection_point.h"
#include "host/site/event_raiser.h"

namespace activex {

class ConnectionEventRaiser final : public host::EventRaiser {
 public:
  // Each event goes to the points whose interfaces declare it, in this order.
  explicit ConnectionEventRaiser(std::initializer_list<ConnectionPoint*> points) : points_(points) {}
  void RaiseEvent(const host::EventId& event, std::span<host::Variant> arguments) override;

 private:
  std::vector<ConnectionPoint*> points_;
};

}  // namespace activex
