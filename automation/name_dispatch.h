#pragma once
// IDispatch for the hand-written objects that clients reach by name only (the form's
// extenders and form object, a site's ambient properties, an event sink): no type
// information, names looked up in a table without regard to case, as script engines
// look names up. Invoke is each object's own; it reads its arguments and writes its
// result through the helpers below.

#include <windows.h>
#include <oaidl.h>

#include <optional>
#include <span>

struct DispatchMember {
  const wchar_t* name;
  DISPID id;
};

// GetIDsOfNames over a table: only the member name (the first) is resolved.
HRESULT IdsOfNames(std::span<const DispatchMember> members, LPOLESTR* names, UINT count, DISPID* ids);

class NameDispatch : public IDispatch {
 public:
  // No type information: a count of 0, and GetTypeInfo has none to give.
  STDMETHODIMP GetTypeInfoCount(UINT* count) override;
  STDMETHODIMP GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
  STDMETHODIMP GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) override;

 protected:
  // members: a table that outlives the object (a constant); none for an object whose
  // members have no names (it is invoked by DISPID only).
  explicit NameDispatch(std::span<const DispatchMember> members = {}) : members_(members) {}
  ~NameDispatch() = default;

 private:
  std::span<const DispatchMember> members_;
};

// The argument at a position in source order (Invoke passes them reversed), as a number;
// nothing when it is absent or omitted. Throws HRESULT DISP_E_TYPEMISMATCH if it is no number.
std::optional<double> NumberArgument(const DISPPARAMS* params, UINT position);

// The value of a property put (the named DISPID_PROPERTYPUT argument).
std::optional<double> PutValue(const DISPPARAMS* params);

// A property's value written into Invoke's result (none to write into when it is null); each
// answers S_OK, so that an Invoke returns what it writes.
HRESULT ReturnLong(VARIANT* result, long value);
HRESULT ReturnBool(VARIANT* result, bool value);
HRESULT ReturnString(VARIANT* result, const wchar_t* text);
// Nothing when object is null.
HRESULT ReturnObject(VARIANT* result, IDispatch* object);
