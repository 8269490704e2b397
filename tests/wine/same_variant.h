#pragma once
// Variants made of a type and a value's bytes or read from the form file's notation, and two
// Variants compared through that notation, which names the type and writes the whole value
// (arrays with their bounds and every element).
#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstring>

#include "automation/dispatch_error.h"
#include "automation/variant_value.h"
#include "formhost/variant_text.h"

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

// The Variant a form file's text holds.
inline VariantValue Parsed(const std::wstring& text) {
  TextCursor cursor(text);
  VARIANT parsed = ParseVariant(cursor).release();
  return VariantValue::Adopt(parsed);
}

inline ::testing::AssertionResult SameVariant(const VARIANT& a, const VARIANT& b) {
  const std::wstring x = VariantText(a), y = VariantText(b);
  if (x == y) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << Narrow(x) << " came back as " << Narrow(y);
}
