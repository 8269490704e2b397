#pragma once
// Reference counting shared by the component's COM objects; each one counts towards the
// module's live objects, so DllCanUnloadNow waits for it.
#include <windows.h>

#include "host/activex/module.h"

namespace activex {

class ComObject {
 public:
  ComObject(const ComObject&) = delete;
  ComObject& operator=(const ComObject&) = delete;

 protected:
  ComObject() { ObjectCreated(); }
  virtual ~ComObject() { ObjectDestroyed(); }

  ULONG AddRefObject() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
  ULONG ReleaseObject() {
    LONG left = InterlockedDecrement(&references_);
    if (left == 0) delete this;
    return static_cast<ULONG>(left);
  }

 private:
  LONG references_ = 1;
};

}  // namespace activex

#define OV_IUNKNOWN_BY_COMOBJECT                                       \
  ULONG STDMETHODCALLTYPE AddRef() override { return AddRefObject(); } \
  ULONG STDMETHODCALLTYPE Release() override { return ReleaseObject(); }
