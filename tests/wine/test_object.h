#pragma once
// A test's own COM object, living in the test or its fixture: one interface besides
// IUnknown, and a reference count the test reads to see that the control let go of it.
// Release never deletes it.

#include <unknwn.h>

#include "com/query_interface.h"

template <typename Interface, const IID* InterfaceId>
class TestObject : public Interface {
 public:
  STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
    static constexpr activex::InterfaceEntry<TestObject> kInterfaces[] = {
        {{&IID_IUnknown, InterfaceId}, activex::As<Interface>}};
    return activex::QueryInterfaceFrom(this, kInterfaces, iid, out);
  }
  STDMETHODIMP_(ULONG) AddRef() override { return ++references; }
  STDMETHODIMP_(ULONG) Release() override { return --references; }

  ULONG references = 1;
};
