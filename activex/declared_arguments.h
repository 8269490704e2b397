#pragma once
// A call's arguments against the member's declaration, before the type library's Invoke
// sees them. That Invoke keeps a reference to an object argument of a call that gives more
// arguments than the member takes, or an object without the interface its parameter
// declares, and calls through a null object where form languages read
// `object.Property(arguments)` as the default member of the property's value
// (`Splitter.Panes(1)` is `Splitter.Panes.Item(1)`) and that value is Nothing.
#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <vector>

#include "activex/error_info.h"
#include "activex/type_library.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"
#include "host/error.h"

namespace activex {

// Parameters a caller passes: the return value is not one.
inline UINT DeclaredParameterCount(const win32::FunctionDescription& function) {
  UINT declared = 0;
  for (SHORT p = 0; p < function->cParams; ++p)
    if (!(function->lprgelemdescParam[p].paramdesc.wParamFlags & PARAMFLAG_FRETVAL)) ++declared;
  return declared;
}

// How many arguments a property read is given beyond those it declares; 0 when the call is
// no property read or gives no more.
inline UINT ArgumentsBeyondPropertyGet(ITypeInfo* info, DISPID member, WORD flags, const DISPPARAMS* params) {
  if (!(flags & DISPATCH_PROPERTYGET) || !params || params->cArgs == 0) return 0;
  std::optional<UINT> index = FunctionIndexOf(info, member, flags);
  if (!index) return 0;
  win32::FunctionDescription function(info, *index);
  if (!function || function->invkind != INVOKE_PROPERTYGET) return 0;
  const UINT declared = DeclaredParameterCount(function);
  return params->cArgs > declared ? params->cArgs - declared : 0;
}

namespace detail {

// The element of an array that `indexes` name, one index per dimension (reversed, as
// Invoke passes arguments); throws host::Error as form languages report a bad subscript.
inline void ArrayElement(const VARIANT& array, const DISPPARAMS& indexes, VARIANT* element) {
  SAFEARRAY* elements = (array.vt & VT_BYREF) ? (array.pparray ? *array.pparray : nullptr) : array.parray;
  if (!elements || SafeArrayGetDim(elements) != indexes.cArgs)
    throw host::Error::Runtime(host::err::kSubscriptOutOfRange);
  std::vector<LONG> position(indexes.cArgs);
  for (UINT i = 0; i < indexes.cArgs; ++i) {
    win32::UniqueVariant index;
    if (FAILED(VariantCopyInd(index.put(), &indexes.rgvarg[i])) ||
        FAILED(VariantChangeType(&index.get(), &index.get(), 0, VT_I4)))
      throw host::Error::Runtime(host::err::kTypeMismatch);
    position[i] = V_I4(&index.get());
  }
  VARTYPE type = VT_EMPTY;
  SafeArrayGetVartype(elements, &type);
  win32::UniqueVariant value;
  HRESULT hr;
  if (type == VT_VARIANT) {
    hr = SafeArrayGetElement(elements, position.data(), value.put());
  } else if (type == VT_DECIMAL) {
    DECIMAL decimal{};
    hr = SafeArrayGetElement(elements, position.data(), &decimal);
    V_DECIMAL(&value.get()) = decimal;
    V_VT(&value.get()) = VT_DECIMAL;
  } else if (type == VT_RECORD) {
    throw host::Error::Runtime(host::err::kTypeMismatch);
  } else {
    hr = SafeArrayGetElement(elements, position.data(), &V_UI1(&value.get()));
    if (SUCCEEDED(hr)) V_VT(&value.get()) = type;
  }
  if (hr == DISP_E_BADINDEX) throw host::Error::Runtime(host::err::kSubscriptOutOfRange);
  if (FAILED(hr)) throw host::Error::Runtime(host::err::kTypeMismatch);
  if (element) *element = value.release();
}

}  // namespace detail

// What form languages make of `object.Property(arguments)` when the property takes fewer:
// the arguments go to its value, an object's default member or an array's subscripts.
// Nothing fails with "Object required" (raised as `source`'s error); any other value
// takes no arguments.
inline HRESULT ApplyArgumentsToValue(const VARIANT& value, REFIID source, LCID locale, WORD flags, DISPPARAMS* rest,
                                     VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
  auto raise = [&](const host::Error& error) {
    HRESULT hr = ReportError(error, source);
    return FillExcepInfo(hr, exception) ? DISP_E_EXCEPTION : hr;
  };
  if (value.vt & VT_ARRAY) {
    try {
      detail::ArrayElement(value, *rest, result);
      return S_OK;
    } catch (const host::Error& error) {
      return raise(error);
    }
  }
  if (value.vt != VT_DISPATCH) return DISP_E_BADPARAMCOUNT;
  if (!value.pdispVal) return raise(host::Error::Runtime(host::err::kObjectRequired));
  return value.pdispVal->Invoke(DISPID_VALUE, IID_NULL, locale, flags, rest, result, exception, argumentError);
}

// The interface a parameter declared as an interface pointer takes (through aliases, as
// IPictureDisp is one of the Picture interface).
inline std::optional<IID> InterfaceOf(ITypeInfo* info, const TYPEDESC& type) {
  if (type.vt != VT_PTR || !type.lptdesc || type.lptdesc->vt != VT_USERDEFINED) return std::nullopt;
  ComPtr<ITypeInfo> referenced;
  if (FAILED(info->GetRefTypeInfo(type.lptdesc->hreftype, referenced.Out()))) return std::nullopt;
  for (int depth = 0; depth < 8; ++depth) {
    win32::TypeAttributes attributes(referenced.Get());
    if (!attributes) return std::nullopt;
    if (attributes->typekind == TKIND_INTERFACE || attributes->typekind == TKIND_DISPATCH) return attributes->guid;
    if (attributes->typekind != TKIND_ALIAS || attributes->tdescAlias.vt != VT_USERDEFINED) return std::nullopt;
    ComPtr<ITypeInfo> aliased;
    if (FAILED(referenced->GetRefTypeInfo(attributes->tdescAlias.hreftype, aliased.Out()))) return std::nullopt;
    referenced = aliased;
  }
  return std::nullopt;
}

// The object an argument holds, through references; null for none (Nothing included).
inline IUnknown* ObjectIn(const VARIANT& argument) {
  const VARIANT* value = &argument;
  while (value->vt == (VT_BYREF | VT_VARIANT) && value->pvarVal) value = value->pvarVal;
  switch (value->vt) {
    case VT_DISPATCH:
    case VT_UNKNOWN:
      return value->punkVal;
    case VT_BYREF | VT_DISPATCH:
    case VT_BYREF | VT_UNKNOWN:
      return value->ppunkVal ? *value->ppunkVal : nullptr;
    default:
      return nullptr;
  }
}

// S_OK, or DISP_E_BADPARAMCOUNT for more arguments than the member takes, or
// DISP_E_TYPEMISMATCH (its slot in `argumentError`) for an object without the interface
// that its parameter declares.
inline HRESULT CheckDeclaredArguments(ITypeInfo* info, DISPID member, WORD flags, const DISPPARAMS* params,
                                      UINT* argumentError) {
  if (!params || params->cArgs == 0) return S_OK;
  std::optional<UINT> index = FunctionIndexOf(info, member, flags);
  if (!index) return S_OK;  // the type library's Invoke answers an unknown member
  win32::FunctionDescription function(info, *index);
  if (!function) return S_OK;
  const UINT declared = DeclaredParameterCount(function);
  if (params->cArgs > declared) return DISP_E_BADPARAMCOUNT;
  for (UINT slot = 0; slot < params->cArgs; ++slot) {
    IUnknown* object = ObjectIn(params->rgvarg[slot]);
    if (!object) continue;
    // Positional arguments run backwards; a property's new value, named, is its last parameter.
    UINT parameter = params->cArgs - 1 - slot;
    if (slot < params->cNamedArgs) {
      if (params->rgdispidNamedArgs[slot] != DISPID_PROPERTYPUT) continue;
      parameter = declared - 1;
    }
    std::optional<IID> wanted = InterfaceOf(info, function->lprgelemdescParam[parameter].tdesc);
    if (!wanted) continue;
    ComPtr<IUnknown> found;
    if (FAILED(object->QueryInterface(*wanted, reinterpret_cast<void**>(found.Out())))) {
      if (argumentError) *argumentError = slot;
      return DISP_E_TYPEMISMATCH;
    }
  }
  return S_OK;
}

}  // namespace activex
