#include "activex/variant_enumerator.h"

#include "com/query_interface.h"

namespace activex {

IEnumVARIANT* VariantEnumerator::Create(std::vector<win32::UniqueVariant> items) {
  return new VariantEnumerator(ListCursor<win32::UniqueVariant>(std::move(items)));
}

HRESULT VariantEnumerator::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<VariantEnumerator> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IEnumVARIANT}, As<IEnumVARIANT>}};
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT VariantEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  if (!items) return E_POINTER;
  return cursor_.Next(count, items, fetched, [](VARIANT& slot, const win32::UniqueVariant& item) {
    VariantInit(&slot);
    VariantCopy(&slot, const_cast<VARIANT*>(&item.get()));
  });
}

HRESULT VariantEnumerator::Clone(IEnumVARIANT** copy) {
  if (!copy) return E_POINTER;
  *copy = new VariantEnumerator(cursor_);
  return S_OK;
}

}  // namespace activex
