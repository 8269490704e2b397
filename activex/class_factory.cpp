#include "activex/class_factory.h"

#include "activex/module.h"
#include "com/query_interface.h"

namespace activex {

HRESULT ClassFactory::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<ClassFactory> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IClassFactory}, As<IClassFactory>}};
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT ClassFactory::CreateInstance(IUnknown* outer, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  return create_(iid, out);
}

HRESULT ClassFactory::LockServer(BOOL lock) {
  LockModule(lock != FALSE);
  return S_OK;
}

}  // namespace activex
