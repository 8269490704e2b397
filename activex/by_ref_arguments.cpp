#include "activex/by_ref_arguments.h"

#include <memory>
#include <optional>

#include "activex/type_library.h"
#include "com/com_ptr.h"

namespace activex {

namespace {

// The declared parameter at position `parameter` for rgvarg slot `slot`: positional
// arguments run backwards; a property's new value (the named DISPID_PROPERTYPUT) is the last
// parameter.
std::optional<SHORT> ParameterOf(const DISPPARAMS& params, UINT slot, SHORT declared) {
  if (slot < params.cNamedArgs) {
    if (params.rgdispidNamedArgs[slot] == DISPID_PROPERTYPUT) return static_cast<SHORT>(declared - 1);
    return std::nullopt;  // other named arguments keep their own conversion rules
  }
  UINT position = params.cArgs - 1 - slot;
  return position < static_cast<UINT>(declared) ? std::optional<SHORT>(static_cast<SHORT>(position)) : std::nullopt;
}

// The declared type, with an enumeration read as the 32-bit integer it is passed as.
VARTYPE DeclaredType(ITypeInfo* info, const TYPEDESC& type) {
  if (type.vt != VT_USERDEFINED) return type.vt;
  ComPtr<ITypeInfo> referenced;
  if (FAILED(info->GetRefTypeInfo(type.hreftype, referenced.Out())) || !referenced) return VT_USERDEFINED;
  win32::TypeAttributes attributes(referenced.Get());
  return attributes && attributes->typekind == TKIND_ENUM ? VT_I4 : VT_USERDEFINED;
}

bool SameValue(const VARIANT& a, const VARIANT& b) {
  if (a.vt != b.vt) return false;
  if (a.vt == VT_BSTR)
    return ::VarBstrCmp(a.bstrVal, b.bstrVal, LOCALE_USER_DEFAULT, 0) == static_cast<HRESULT>(VARCMP_EQ);
  return ::VarCmp(const_cast<VARIANT*>(&a), const_cast<VARIANT*>(&b), LOCALE_USER_DEFAULT, 0) ==
         static_cast<HRESULT>(VARCMP_EQ);
}

}  // namespace

ByRefArguments::ByRefArguments(ITypeInfo* info, DISPID member, WORD flags, DISPPARAMS* params) : caller_(params) {
  if (!params || params->cArgs == 0 || !params->rgvarg) return;
  bool anyVariantReference = false;
  for (UINT slot = 0; slot < params->cArgs; ++slot)
    anyVariantReference |= params->rgvarg[slot].vt == (VT_BYREF | VT_VARIANT);
  if (!anyVariantReference) return;  // the common case costs one pass over the arguments

  std::optional<UINT> index = FunctionIndexOf(info, member, flags);
  if (!index) return;
  win32::FunctionDescription function(info, *index);
  if (!function) return;
  arguments_.assign(params->rgvarg, params->rgvarg + params->cArgs);
  converted_.reserve(params->cArgs);
  for (UINT slot = 0; slot < params->cArgs; ++slot) {
    VARIANT& argument = arguments_[slot];
    if (argument.vt != (VT_BYREF | VT_VARIANT) || !argument.pvarVal) continue;
    std::optional<SHORT> parameter = ParameterOf(*params, slot, function->cParams);
    if (!parameter) continue;
    const TYPEDESC& type = function->lprgelemdescParam[*parameter].tdesc;
    if (type.vt != VT_PTR || !type.lptdesc) continue;
    const VARTYPE target = DeclaredType(info, *type.lptdesc);
    if (target == VT_VARIANT || target == VT_PTR || target == VT_USERDEFINED || target == VT_SAFEARRAY) continue;
    Converted entry{argument.pvarVal, {}, {}};
    // The engine's Variant may itself hold a reference; the conversion reads through it.
    HRESULT hr = ::VariantChangeType(&entry.value.get(), argument.pvarVal, 0, target);
    if (FAILED(hr)) {
      result_ = hr;
      failedArgument_ = slot;
      return;
    }
    ::VariantCopy(&entry.original.get(), &entry.value.get());
    converted_.push_back(std::move(entry));
    Converted& held = converted_.back();
    argument.vt = static_cast<VARTYPE>(VT_BYREF | target);
    // Every by-reference member of the union shares the one pointer slot.
    argument.byref = &held.value.get().lVal;
  }
  params_ = *params;
  params_.rgvarg = arguments_.data();
}

void ByRefArguments::WriteBack() {
  for (Converted& entry : converted_) {
    if (SameValue(entry.value.get(), entry.original.get())) continue;
    VARIANT* destination = entry.callerVariant;
    if (destination->vt & VT_BYREF) continue;  // a reference inside a reference stays as it is
    ::VariantCopy(destination, &entry.value.get());
  }
}

}  // namespace activex
