#pragma once
// IEnumUnknown over a snapshot of objects, each held for the enumerator's life.

#include <windows.h>
#include <objidl.h>

#include <vector>

#include "host/activex/com_ptr.h"
#include "ref_counted.h"

class UnknownEnumerator final : public IEnumUnknown, private RefCounted {
public:
    static UnknownEnumerator* Create(std::vector<activex::ComPtr<IUnknown>> items) {
        return new UnknownEnumerator(std::move(items), 0);
    }

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    FORMHOST_IUNKNOWN_REFCOUNT

    STDMETHODIMP Next(ULONG count, IUnknown** items, ULONG* fetched) override;
    STDMETHODIMP Skip(ULONG count) override;
    STDMETHODIMP Reset() override;
    STDMETHODIMP Clone(IEnumUnknown** clone) override;

private:
    UnknownEnumerator(std::vector<activex::ComPtr<IUnknown>> items, size_t next)
        : items_(std::move(items)), next_(next) {}

    std::vector<activex::ComPtr<IUnknown>> items_;
    size_t next_;
};
