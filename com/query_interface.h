#pragma once
// QueryInterface read from a table, as Wine's and ATL's objects do it: each row names
// the IIDs one interface answers and how the object becomes that interface. The
// out-parameter is checked and cleared first; the first row that names the IID answers,
// and the object gains one reference for what it hands out.
//   static constexpr InterfaceEntry<PaneObject> kInterfaces[] = {
//       {{&IID_IUnknown, &IID_IDispatch, &IID__OvPane}, As<_OvPane>},
//       {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>}};
//   return QueryInterfaceFrom(this, kInterfaces, iid, out);
#include <unknwn.h>

#include <cstddef>
#include <initializer_list>

namespace activex {

// The row's cast for an interface the object derives from.
template <typename Interface>
struct CastTo {};
template <typename Interface>
inline constexpr CastTo<Interface> As{};

template <typename Object>
struct InterfaceEntry {
  using Cast = void* (*)(Object* object);

  template <typename Interface>
  constexpr InterfaceEntry(std::initializer_list<const IID*> names, CastTo<Interface>)
      : InterfaceEntry(names, [](Object* object) -> void* { return static_cast<Interface*>(object); }) {}
  // cast: the object as the interface, or null while the object does not offer it.
  constexpr InterfaceEntry(std::initializer_list<const IID*> names, Cast cast) : cast(cast) {
    std::size_t slot = 0;
    for (const IID* name : names) iids[slot++] = name;
  }

  bool Names(REFIID iid) const {
    for (const IID* name : iids)
      if (name && IsEqualIID(*name, iid)) return true;
    return false;
  }

  const IID* iids[4] = {};
  Cast cast;
};

template <typename Object, std::size_t Rows>
HRESULT QueryInterfaceFrom(Object* object, const InterfaceEntry<Object> (&table)[Rows], REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (const InterfaceEntry<Object>& entry : table) {
    if (!entry.Names(iid)) continue;
    void* found = entry.cast(object);
    if (!found) return E_NOINTERFACE;
    object->AddRef();
    *out = found;
    return S_OK;
  }
  return E_NOINTERFACE;
}

}  // namespace activex
