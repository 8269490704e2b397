#include "host/activex/connection_event_raiser.h"

#include <vector>

#include "host/activex/variant_bridge.h"

namespace activex {

void ConnectionEventRaiser::RaiseEvent(const host::EventId& event, std::span<host::Variant> arguments) {
  std::vector<VARIANT> values(arguments.size());
  std::vector<VARIANT> references(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    ToVariant(arguments[i], &values[i]);
    V_VT(&references[i]) = VT_BYREF | VT_VARIANT;
    V_VARIANTREF(&references[i]) = &values[i];
  }
  point_.Raise(event.dispatchId, references);
  for (size_t i = 0; i < arguments.size(); ++i) {
    arguments[i] = FromVariant(values[i]);
    VariantClear(&values[i]);
  }
}

}  // namespace activex
