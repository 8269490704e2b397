#pragma once
// Two VARIANTs of the same type and value: numbers bit for bit, strings unit for unit,
// objects by being there or not, arrays by their bounds and then element by element.
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstring>

#include "com/unique_handle.h"
#include "automation/variant_value.h"

// A Variant of `type` holding `value`'s bytes: every member of the union but the decimal
// starts where the 8-byte integer does.
template <class T>
VariantValue Of(VARTYPE type, T value) {
  static_assert(sizeof(T) <= 8);
  VariantValue made;
  std::memcpy(&V_I8(&made.Raw()), &value, sizeof(T));
  made.Raw().vt = type;
  return made;
}

inline VariantValue Of(DECIMAL value) {
  VariantValue made;
  V_DECIMAL(&made.Raw()) = value;
  made.Raw().vt = VT_DECIMAL;  // after the fields: a DECIMAL shares the type's bytes
  return made;
}

inline size_t ScalarSize(VARTYPE type) {
  if (type == VT_EMPTY || type == VT_NULL) return 0;
  if (type == VT_I1 || type == VT_UI1) return 1;
  if (type == VT_I2 || type == VT_UI2 || type == VT_BOOL) return 2;
  const bool eight = type == VT_I8 || type == VT_UI8 || type == VT_R8 || type == VT_CY || type == VT_DATE;
  return eight ? 8 : 4;
}

inline ::testing::AssertionResult SameVariant(const VARIANT& a, const VARIANT& b);

inline ::testing::AssertionResult SameArray(VARTYPE element, SAFEARRAY* a, SAFEARRAY* b) {
  if (!a || !b) return a == b ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << "one array is null";
  const UINT dimensions = SafeArrayGetDim(a);
  if (dimensions != SafeArrayGetDim(b)) return ::testing::AssertionFailure() << "dimensions differ";
  size_t count = 1;
  for (UINT d = 1; d <= dimensions; ++d) {
    LONG lowA, highA, lowB, highB;
    SafeArrayGetLBound(a, d, &lowA), SafeArrayGetUBound(a, d, &highA);
    SafeArrayGetLBound(b, d, &lowB), SafeArrayGetUBound(b, d, &highB);
    if (lowA != lowB || highA != highB)
      return ::testing::AssertionFailure() << "bounds of dimension " << d << " differ";
    count *= static_cast<size_t>(highA - lowA + 1);
  }
  const UINT size = SafeArrayGetElemsize(a);
  win32::AccessedArray x(a), y(b);
  for (size_t i = 0; i < count; ++i) {
    VARIANT ra, rb;  // each element as a reference to a value of the element type
    V_VT(&ra) = V_VT(&rb) = VT_BYREF | element;
    V_BYREF(&ra) = static_cast<BYTE*>(x.data()) + i * size;
    V_BYREF(&rb) = static_cast<BYTE*>(y.data()) + i * size;
    VariantValue ea = VariantValue::CopyOf(ra), eb = VariantValue::CopyOf(rb);
    if (auto same = SameVariant(ea.Raw(), eb.Raw()); !same) return same << " (element " << i << ")";
  }
  return ::testing::AssertionSuccess();
}

inline ::testing::AssertionResult SameVariant(const VARIANT& a, const VARIANT& b) {
  if (V_VT(&a) != V_VT(&b)) return ::testing::AssertionFailure() << "type " << V_VT(&a) << " came back as " << V_VT(&b);
  if (V_VT(&a) & VT_ARRAY) return SameArray(V_VT(&a) & VT_TYPEMASK, V_ARRAY(&a), V_ARRAY(&b));
  bool same;
  switch (V_VT(&a)) {
    case VT_DISPATCH:
      same = !V_DISPATCH(&a) == !V_DISPATCH(&b);
      break;
    case VT_BSTR:
      same = SysStringLen(V_BSTR(&a)) == SysStringLen(V_BSTR(&b)) &&
             std::memcmp(V_BSTR(&a), V_BSTR(&b), SysStringByteLen(V_BSTR(&a))) == 0;
      break;
    case VT_DECIMAL:
      same = V_DECIMAL(&a).scale == V_DECIMAL(&b).scale && V_DECIMAL(&a).sign == V_DECIMAL(&b).sign &&
             V_DECIMAL(&a).Hi32 == V_DECIMAL(&b).Hi32 && V_DECIMAL(&a).Lo64 == V_DECIMAL(&b).Lo64;
      break;
    default:
      same = std::memcmp(&V_UI1(&a), &V_UI1(&b), ScalarSize(V_VT(&a))) == 0;
  }
  return same ? ::testing::AssertionSuccess()
              : ::testing::AssertionFailure() << "value of type " << V_VT(&a) << " differs";
}
