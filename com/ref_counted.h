#pragma once
// The reference count of one COM object: it starts at one, for the creator, and the last
// Release deletes the object as its own type.
#include <windows.h>

namespace com {

class RefCounted {
 public:
  RefCounted(const RefCounted&) = delete;
  RefCounted& operator=(const RefCounted&) = delete;

 protected:
  RefCounted() = default;
  virtual ~RefCounted() = default;

  ULONG References() const { return static_cast<ULONG>(references_); }
  ULONG AddRefObject() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  // The count left; the caller deletes the object at zero (COM_IUNKNOWN_REFCOUNT), where
  // its own type is known.
  ULONG ReleaseObject() { return static_cast<ULONG>(InterlockedDecrement(&references_)); }

 private:
  LONG references_ = 1;
};

}  // namespace com

// IUnknown's counting members of a class derived from com::RefCounted.
#define COM_IUNKNOWN_REFCOUNT                                          \
  ULONG STDMETHODCALLTYPE AddRef() override { return AddRefObject(); } \
  ULONG STDMETHODCALLTYPE Release() override {                         \
    const ULONG left = ReleaseObject();                                \
    if (left == 0) delete this;                                        \
    return left;                                                       \
  }
