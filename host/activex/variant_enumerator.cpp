#include "host/activex/variant_enumerator.h"

namespace activex {

VariantEnumerator::Items::~Items() {
  for (VARIANT& value : values) VariantClear(&value);
}

IEnumVARIANT* VariantEnumerator::Create(std::vector<VARIANT> values) {
  auto items = std::make_shared<Items>();
  items->values = std::move(values);
  return new VariantEnumerator(std::move(items), 0);
}

HRESULT VariantEnumerator::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IEnumVARIANT) {
    *out = static_cast<IEnumVARIANT*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT VariantEnumerator::Next(ULONG count, VARIANT* items, ULONG* fetched) {
  if (!items) return E_POINTER;
  ULONG done = 0;
  while (done < count && position_ < items_->values.size()) {
    VariantInit(&items[done]);
    VariantCopy(&items[done], &items_->values[position_]);
    ++done;
    ++position_;
  }
  if (fetched) *fetched = done;
  return done == count ? S_OK : S_FALSE;
}

HRESULT VariantEnumerator::Skip(ULONG count) {
  size_t left = items_->values.size() - position_;
  position_ += count < left ? count : left;
  return count <= left ? S_OK : S_FALSE;
}

HRESULT VariantEnumerator::Reset() {
  position_ = 0;
  return S_OK;
}

HRESULT VariantEnumerator::Clone(IEnumVARIANT** copy) {
  if (!copy) return E_POINTER;
  *copy = new VariantEnumerator(items_, position_);
  return S_OK;
}

}  // namespace activex
