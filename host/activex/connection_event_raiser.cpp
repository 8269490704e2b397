#include "host/activex/connection_event_raiser.h"

#include <vector>

#include "host/activex/variant_bridge.h"

namespace activex {

void ConnectionEventRaiser::RaiseEvent(const host::EventId& event, std::span<host::Variant> arguments) {
  std::vector<VARIANT> values(arguments.size());
  std::vector<VARIANT> references(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    ToVariant(arguments[i], &values[i]);
    // By reference in the argument's own type (a handler's type library expects that);
    // a value without one travels as a Variant.
    if (V_VT(&values[i]) == VT_EMPTY || V_VT(&values[i]) == VT_NULL || V_VT(&values[i]) == VT_ERROR) {
      V_VT(&references[i]) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&references[i]) = &values[i];
    } else {
      V_VT(&references[i]) = VT_BYREF | V_VT(&values[i]);
      V_BYREF(&references[i]) = &V_I4(&values[i]);  // the value's storage inside the VARIANT
    }
  }
  point_.Raise(event.dispatchId, references);
  for (size_t i = 0; i < arguments.size(); ++i) {
    arguments[i] = FromVariant(values[i]);
    VariantClear(&values[i]);
  }
}

}  // namespace activex
