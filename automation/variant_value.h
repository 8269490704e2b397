#pragma once
// An owned VARIANT: cleared when it goes, deep-copied when copied.

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "com/unique_handle.h"

class VariantValue {
 public:
  VariantValue();
  VariantValue(int value);
  VariantValue(long value);
  VariantValue(double value);
  VariantValue(bool value);
  VariantValue(const wchar_t* text);
  VariantValue(const std::wstring& text);
  // VT_DISPATCH holding a reference; a null pointer is Nothing.
  explicit VariantValue(IDispatch* object);

  // An omitted optional argument, as script engines pass it.
  static VariantValue Missing();
  // A copy that follows VT_BYREF to the value it points at.
  static VariantValue CopyOf(const VARIANT& raw);
  // Takes the contents of raw, leaving it VT_EMPTY.
  static VariantValue Adopt(VARIANT& raw);

  VariantValue(const VariantValue& other);
  VariantValue(VariantValue&& other) noexcept = default;
  VariantValue& operator=(const VariantValue& other);
  VariantValue& operator=(VariantValue&& other) noexcept = default;

  VARTYPE Type() const { return Raw().vt; }
  bool IsEmpty() const { return Raw().vt == VT_EMPTY; }
  // True for an object variant holding no object.
  bool IsNothing() const;
  long AsLong() const;
  bool AsBool() const;
  std::wstring AsString() const;
  // Borrowed pointer; null when the value holds no object.
  IDispatch* AsDispatch() const;
  IUnknown* AsUnknown() const;

  VARIANT& Raw() { return value_.get(); }
  const VARIANT& Raw() const { return value_.get(); }

 private:
  VariantValue Converted(VARTYPE type) const;

  win32::UniqueVariant value_;
};
