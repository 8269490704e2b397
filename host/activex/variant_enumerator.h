#pragma once
// IEnumVARIANT over a fixed list, for For Each.
#include <windows.h>
#include <oaidl.h>

#include <memory>
#include <vector>

#include "host/activex/com_object.h"

namespace activex {

class VariantEnumerator final : public ComObject, public IEnumVARIANT {
 public:
  // Takes over the VARIANTs; the enumerator clears them when it goes.
  static IEnumVARIANT* Create(std::vector<VARIANT> items);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  OV_IUNKNOWN_BY_COMOBJECT

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
  HRESULT STDMETHODCALLTYPE Reset() override;
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

 private:
  struct Items {
    std::vector<VARIANT> values;
    ~Items();
  };
  VariantEnumerator(std::shared_ptr<Items> items, size_t position) : items_(std::move(items)), position_(position) {}

  std::shared_ptr<Items> items_;  // shared with clones
  size_t position_;
};

}  // namespace activex
