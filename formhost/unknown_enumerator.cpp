#include "unknown_enumerator.h"

STDMETHODIMP UnknownEnumerator::QueryInterface(REFIID iid, void** object) {
    if (!object)
        return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IEnumUnknown)) {
        *object = static_cast<IEnumUnknown*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP UnknownEnumerator::Next(ULONG count, IUnknown** items, ULONG* fetched) {
    if (!items || (count > 1 && !fetched))
        return E_POINTER;
    ULONG given = 0;
    for (; given < count && next_ < items_.size(); ++given, ++next_)
        items[given] = activex::ComPtr<IUnknown>(items_[next_]).Detach();
    if (fetched)
        *fetched = given;
    return given == count ? S_OK : S_FALSE;
}

STDMETHODIMP UnknownEnumerator::Skip(ULONG count) {
    size_t left = items_.size() - next_;
    next_ += count < left ? count : left;
    return count <= left ? S_OK : S_FALSE;
}

STDMETHODIMP UnknownEnumerator::Reset() {
    next_ = 0;
    return S_OK;
}

STDMETHODIMP UnknownEnumerator::Clone(IEnumUnknown** clone) {
    if (!clone)
        return E_POINTER;
    *clone = new UnknownEnumerator(items_, next_);
    return S_OK;
}
