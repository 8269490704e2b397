#pragma once
// The reference count of the form's own COM objects: one count per object; the macro's
// Release deletes the object, as its own type, at zero.

#include <windows.h>

class RefCounted {
 public:
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

 protected:
  RefCounted() = default;
  virtual ~RefCounted() = default;

  ULONG References() const { return references_; }
  ULONG AddRefCount() { return ++references_; }
  ULONG ReleaseCount() { return --references_; }

 private:
  ULONG references_ = 1;
};

#define FORMHOST_IUNKNOWN_REFCOUNT                                 \
  STDMETHODIMP_(ULONG) AddRef() override { return AddRefCount(); } \
  STDMETHODIMP_(ULONG) Release() override {                        \
    ULONG left = ReleaseCount();                                   \
    if (left == 0) delete this;                                    \
    return left;                                                   \
  }
