#include "activex/connection_event_raiser.h"

#include <vector>

#include "activex/variant_bridge.h"
#include "com/unique_handle.h"

namespace activex {

void ConnectionEventRaiser::RaiseEvent(const host::EventId& event, std::span<host::Variant> arguments) {
  // Owned, so that a conversion that throws part way leaves none of them behind.
  std::vector<win32::UniqueVariant> values(arguments.size());
  std::vector<VARIANT> references(arguments.size());
  for (size_t i = 0; i < arguments.size(); ++i) {
    VARIANT& value = values[i].get();
    ToVariant(arguments[i], values[i].put());
    // By reference in the argument's own type (a handler's type library expects that);
    // a value without one travels as a Variant.
    if (V_VT(&value) == VT_EMPTY || V_VT(&value) == VT_NULL || V_VT(&value) == VT_ERROR) {
      V_VT(&references[i]) = VT_BYREF | VT_VARIANT;
      V_VARIANTREF(&references[i]) = &value;
    } else {
      V_VT(&references[i]) = VT_BYREF | V_VT(&value);
      V_BYREF(&references[i]) = &V_I4(&value);  // the value's storage inside the VARIANT
    }
  }
  for (ConnectionPoint* point : points_)
    if (point->Declares(event.dispatchId)) point->Raise(event.dispatchId, references);
  for (size_t i = 0; i < arguments.size(); ++i) arguments[i] = FromVariant(values[i].get());
}

}  // namespace activex
