#include "automation/variant_value.h"

#include "automation/dispatch_error.h"

VariantValue::VariantValue() = default;

VariantValue::VariantValue(int value) : VariantValue(static_cast<long>(value)) {}

VariantValue::VariantValue(long value) : VariantValue() {
  Raw().vt = VT_I4;
  Raw().lVal = value;
}

VariantValue::VariantValue(double value) : VariantValue() {
  Raw().vt = VT_R8;
  Raw().dblVal = value;
}

VariantValue::VariantValue(bool value) : VariantValue() {
  Raw().vt = VT_BOOL;
  Raw().boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

VariantValue::VariantValue(const wchar_t* text) : VariantValue(std::wstring(text)) {}

VariantValue::VariantValue(const std::wstring& text) : VariantValue() {
  Raw().vt = VT_BSTR;
  Raw().bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

VariantValue::VariantValue(IDispatch* object) : VariantValue() {
  Raw().vt = VT_DISPATCH;
  Raw().pdispVal = object;
  if (object) object->AddRef();
}

VariantValue VariantValue::Missing() {
  VariantValue missing;
  missing.Raw().vt = VT_ERROR;
  missing.Raw().scode = DISP_E_PARAMNOTFOUND;
  return missing;
}

VariantValue VariantValue::CopyOf(const VARIANT& raw) {
  VariantValue copy;
  HRESULT hr = VariantCopyInd(&copy.Raw(), const_cast<VARIANT*>(&raw));
  if (FAILED(hr)) throw DispatchError(hr, L"VariantCopyInd");
  return copy;
}

VariantValue VariantValue::Adopt(VARIANT& raw) {
  VariantValue owned;
  owned.Raw() = raw;
  VariantInit(&raw);
  return owned;
}

VariantValue::VariantValue(const VariantValue& other) : VariantValue() {
  VariantCopy(&Raw(), const_cast<VARIANT*>(&other.Raw()));
}

VariantValue& VariantValue::operator=(const VariantValue& other) {
  if (this != &other) VariantCopy(&Raw(), const_cast<VARIANT*>(&other.Raw()));
  return *this;
}

bool VariantValue::IsNothing() const {
  return (Raw().vt == VT_DISPATCH && !Raw().pdispVal) || (Raw().vt == VT_UNKNOWN && !Raw().punkVal);
}

VariantValue VariantValue::Converted(VARTYPE type) const {
  VariantValue result;
  HRESULT hr = VariantChangeType(&result.Raw(), const_cast<VARIANT*>(&Raw()), 0, type);
  if (FAILED(hr)) throw DispatchError(hr, L"VariantChangeType");
  return result;
}

long VariantValue::AsLong() const { return Converted(VT_I4).Raw().lVal; }

bool VariantValue::AsBool() const { return Converted(VT_BOOL).Raw().boolVal != VARIANT_FALSE; }

std::wstring VariantValue::AsString() const {
  VariantValue text = Converted(VT_BSTR);
  BSTR bstr = text.Raw().bstrVal;
  return bstr ? std::wstring(bstr, SysStringLen(bstr)) : std::wstring();
}

IDispatch* VariantValue::AsDispatch() const { return Raw().vt == VT_DISPATCH ? Raw().pdispVal : nullptr; }

IUnknown* VariantValue::AsUnknown() const {
  if (Raw().vt == VT_UNKNOWN) return Raw().punkVal;
  return AsDispatch();
}
