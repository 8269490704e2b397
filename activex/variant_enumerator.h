#pragma once
// IEnumVARIANT over a fixed list, for For Each.
#include <windows.h>
#include <oaidl.h>

#include <vector>

#include "activex/com_object.h"
#include "com/list_cursor.h"
#include "com/unique_handle.h"

namespace activex {

class VariantEnumerator final : public ComObject, public IEnumVARIANT {
 public:
  // Takes over the VARIANTs; clones share them.
  static IEnumVARIANT* Create(std::vector<win32::UniqueVariant> items);

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  COM_IUNKNOWN_REFCOUNT

  HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* items, ULONG* fetched) override;
  HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return cursor_.Skip(count); }
  HRESULT STDMETHODCALLTYPE Reset() override { return cursor_.Reset(); }
  HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;

 private:
  explicit VariantEnumerator(ListCursor<win32::UniqueVariant> cursor) : cursor_(std::move(cursor)) {}

  ListCursor<win32::UniqueVariant> cursor_;
};

}  // namespace activex
