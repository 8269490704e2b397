#include "automation/name_dispatch.h"

#include <cwchar>

HRESULT IdsOfNames(std::span<const DispatchMember> members, LPOLESTR* names, UINT count, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  for (UINT i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (count == 0) return S_OK;
  for (const DispatchMember& member : members) {
    if (_wcsicmp(member.name, names[0]) == 0) {
      ids[0] = member.id;
      return count == 1 ? S_OK : DISP_E_UNKNOWNNAME;
    }
  }
  return DISP_E_UNKNOWNNAME;
}

STDMETHODIMP NameDispatch::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

STDMETHODIMP NameDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  return DISP_E_BADINDEX;
}

STDMETHODIMP NameDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  return IdsOfNames(members_, names, count, ids);
}

namespace {

std::optional<double> AsNumber(const VARIANT& value) {
  const VARIANT* actual = &value;
  if (actual->vt == (VT_VARIANT | VT_BYREF)) actual = actual->pvarVal;
  if (actual->vt == VT_ERROR && actual->scode == DISP_E_PARAMNOTFOUND) return std::nullopt;
  VARIANT number;
  VariantInit(&number);
  if (FAILED(VariantChangeType(&number, const_cast<VARIANT*>(actual), 0, VT_R8))) throw HRESULT(DISP_E_TYPEMISMATCH);
  return number.dblVal;
}

}  // namespace

std::optional<double> NumberArgument(const DISPPARAMS* params, UINT position) {
  UINT positional = params ? params->cArgs - params->cNamedArgs : 0;
  if (position >= positional) return std::nullopt;
  return AsNumber(params->rgvarg[params->cArgs - 1 - position]);
}

std::optional<double> PutValue(const DISPPARAMS* params) {
  if (!params || params->cArgs < 1 || params->cNamedArgs != 1 || params->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
    return std::nullopt;
  return AsNumber(params->rgvarg[0]);
}

namespace {

// The result initialised to the type, then its field written by fill.
template <typename Fill>
HRESULT Return(VARIANT* result, VARTYPE type, Fill fill) {
  if (!result) return S_OK;
  VariantInit(result);
  result->vt = type;
  fill(*result);
  return S_OK;
}

}  // namespace

HRESULT ReturnLong(VARIANT* result, long value) {
  return Return(result, VT_I4, [&](VARIANT& out) { out.lVal = value; });
}

HRESULT ReturnBool(VARIANT* result, bool value) {
  return Return(result, VT_BOOL, [&](VARIANT& out) { out.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT ReturnString(VARIANT* result, const wchar_t* text) {
  return Return(result, VT_BSTR, [&](VARIANT& out) { out.bstrVal = SysAllocString(text); });
}

HRESULT ReturnObject(VARIANT* result, IDispatch* object) {
  return Return(result, VT_DISPATCH, [&](VARIANT& out) {
    out.pdispVal = object;
    if (object) object->AddRef();
  });
}
