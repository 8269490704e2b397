#pragma once
// What the form's hand-written dispatch objects share: a name table looked up without
// regard to case, as script engines look names up, and typed access to arguments.

#include <windows.h>
#include <oleauto.h>

#include <optional>
#include <span>

struct DispatchMember {
    const wchar_t* name;
    DISPID id;
};

// GetIDsOfNames over a table: only the member name (the first) is resolved.
HRESULT IdsOfNames(std::span<const DispatchMember> members, LPOLESTR* names, UINT count, DISPID* ids);

// The argument at a position in source order (Invoke passes them reversed), as a number;
// nothing when it is absent or omitted. Throws HRESULT DISP_E_TYPEMISMATCH if it is no number.
std::optional<double> NumberArgument(const DISPPARAMS* params, UINT position);

// The value of a property put (the named DISPID_PROPERTYPUT argument).
std::optional<double> PutValue(const DISPPARAMS* params);

void ReturnLong(VARIANT* result, long value);
void ReturnString(VARIANT* result, const wchar_t* text);
// Nothing when object is null.
void ReturnObject(VARIANT* result, IDispatch* object);
