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

#include "host/activex/error_info.h"
#include "host/activex/type_library.h"
#include "host/com/com_ptr.h"
#include "host/com/unique_handle.h"
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

// Calls the default member of `value` with `rest`: a value that is Nothing fails with
// "Object required" (raised as `source`'s error), one that is no object takes no arguments.
inline HRESULT InvokeDefaultMember(const VARIANT& value, REFIID source, LCID locale, WORD flags, DISPPARAMS* rest,
                                   VARIANT* result, EXCEPINFO* exception, UINT* argumentError) {
  if (value.vt != VT_DISPATCH) return DISP_E_BADPARAMCOUNT;
  if (!value.pdispVal) {
    HRESULT hr = ReportError(host::Error::Runtime(host::err::kObjectRequired), source);
    return FillExcepInfo(hr, exception) ? DISP_E_EXCEPTION : hr;
  }
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
