#include "formhost/unknown_enumerator.h"

#include "com/query_interface.h"

STDMETHODIMP UnknownEnumerator::QueryInterface(REFIID iid, void** object) {
  static constexpr activex::InterfaceEntry<UnknownEnumerator> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IEnumUnknown}, activex::As<IEnumUnknown>}};
  return activex::QueryInterfaceFrom(this, kInterfaces, iid, object);
}

STDMETHODIMP UnknownEnumerator::Next(ULONG count, IUnknown** items, ULONG* fetched) {
  if (!items || (count > 1 && !fetched)) return E_POINTER;
  return cursor_.Next(count, items, fetched, [](IUnknown*& slot, const activex::ComPtr<IUnknown>& item) {
    slot = activex::ComPtr<IUnknown>(item).Detach();
  });
}

STDMETHODIMP UnknownEnumerator::Clone(IEnumUnknown** clone) {
  if (!clone) return E_POINTER;
  *clone = new UnknownEnumerator(cursor_);
  return S_OK;
}
