#pragma once
// Raises a control's events through its connection point: each argument goes by reference,
// and what a handler writes into it comes back in the Variant.
#include "activex/connection_point.h"
#include "host/site/event_raiser.h"

namespace activex {

class ConnectionEventRaiser final : public host::EventRaiser {
 public:
  explicit ConnectionEventRaiser(ConnectionPoint& point) : point_(point) {}
  void RaiseEvent(const host::EventId& event, std::span<host::Variant> arguments) override;

 private:
  ConnectionPoint& point_;
};

}  // namespace activex
