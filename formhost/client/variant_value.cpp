#include "variant_value.h"

#include "dispatch_error.h"

VariantValue::VariantValue() { VariantInit(&value_); }

VariantValue::VariantValue(int value) : VariantValue(static_cast<long>(value)) {}

VariantValue::VariantValue(long value) : VariantValue() {
    value_.vt = VT_I4;
    value_.lVal = value;
}

VariantValue::VariantValue(double value) : VariantValue() {
    value_.vt = VT_R8;
    value_.dblVal = value;
}

VariantValue::VariantValue(bool value) : VariantValue() {
    value_.vt = VT_BOOL;
    value_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

VariantValue::VariantValue(const wchar_t* text) : VariantValue(std::wstring(text)) {}

VariantValue::VariantValue(const std::wstring& text) : VariantValue() {
    value_.vt = VT_BSTR;
    value_.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

VariantValue::VariantValue(IDispatch* object) : VariantValue() {
    value_.vt = VT_DISPATCH;
    value_.pdispVal = object;
    if (object)
        object->AddRef();
}

VariantValue VariantValue::Missing() {
    VariantValue missing;
    missing.value_.vt = VT_ERROR;
    missing.value_.scode = DISP_E_PARAMNOTFOUND;
    return missing;
}

VariantValue VariantValue::CopyOf(const VARIANT& raw) {
    VariantValue copy;
    HRESULT hr = VariantCopyInd(&copy.value_, const_cast<VARIANT*>(&raw));
    if (FAILED(hr))
        throw DispatchError(hr, L"VariantCopyInd");
    return copy;
}

VariantValue VariantValue::Adopt(VARIANT& raw) {
    VariantValue owned;
    owned.value_ = raw;
    VariantInit(&raw);
    return owned;
}

VariantValue::VariantValue(const VariantValue& other) : VariantValue() {
    VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
}

VariantValue::VariantValue(VariantValue&& other) noexcept : value_(other.value_) {
    VariantInit(&other.value_);
}

VariantValue& VariantValue::operator=(const VariantValue& other) {
    if (this != &other)
        VariantCopy(&value_, const_cast<VARIANT*>(&other.value_));
    return *this;
}

VariantValue& VariantValue::operator=(VariantValue&& other) noexcept {
    if (this != &other) {
        VariantClear(&value_);
        value_ = other.value_;
        VariantInit(&other.value_);
    }
    return *this;
}

VariantValue::~VariantValue() { VariantClear(&value_); }

bool VariantValue::IsNothing() const {
    return (value_.vt == VT_DISPATCH && !value_.pdispVal) ||
           (value_.vt == VT_UNKNOWN && !value_.punkVal);
}

VariantValue VariantValue::Converted(VARTYPE type) const {
    VariantValue result;
    HRESULT hr = VariantChangeType(&result.value_, const_cast<VARIANT*>(&value_), 0, type);
    if (FAILED(hr))
        throw DispatchError(hr, L"VariantChangeType");
    return result;
}

long VariantValue::AsLong() const { return Converted(VT_I4).value_.lVal; }

bool VariantValue::AsBool() const { return Converted(VT_BOOL).value_.boolVal != VARIANT_FALSE; }

std::wstring VariantValue::AsString() const {
    VariantValue text = Converted(VT_BSTR);
    BSTR bstr = text.value_.bstrVal;
    return bstr ? std::wstring(bstr, SysStringLen(bstr)) : std::wstring();
}

IDispatch* VariantValue::AsDispatch() const {
    return value_.vt == VT_DISPATCH ? value_.pdispVal : nullptr;
}

IUnknown* VariantValue::AsUnknown() const {
    if (value_.vt == VT_UNKNOWN)
        return value_.punkVal;
    return AsDispatch();
}
