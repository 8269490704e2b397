#pragma once
// IEnumUnknown over a snapshot of objects, each held for the enumerator's life.

#include <windows.h>
#include <objidl.h>

#include <vector>

#include "com/com_ptr.h"
#include "com/list_cursor.h"
#include "com/ref_counted.h"

class UnknownEnumerator final : public IEnumUnknown, private com::RefCounted {
 public:
  static UnknownEnumerator* Create(std::vector<activex::ComPtr<IUnknown>> items) {
    return new UnknownEnumerator(Cursor(std::move(items)));
  }

  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  STDMETHODIMP Next(ULONG count, IUnknown** items, ULONG* fetched) override;
  STDMETHODIMP Skip(ULONG count) override { return cursor_.Skip(count); }
  STDMETHODIMP Reset() override { return cursor_.Reset(); }
  STDMETHODIMP Clone(IEnumUnknown** clone) override;

 private:
  using Cursor = activex::ListCursor<activex::ComPtr<IUnknown>>;
  explicit UnknownEnumerator(Cursor cursor) : cursor_(std::move(cursor)) {}

  Cursor cursor_;
};
