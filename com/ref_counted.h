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
  ULONG ReleaseObject() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 private:
  LONG references_ = 1;
};

}  // namespace com

// IUnknown's counting members of a class derived from com::RefCounted.
#define COM_IUNKNOWN_REFCOUNT                                          \
  ULONG STDMETHODCALLTYPE AddRef() override { return AddRefObject(); } \
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseObject(); }
