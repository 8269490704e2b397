#pragma once
// IProvideClassInfo (or a successor such as IProvideClassInfo2) answered from the
// component's type library: the coclass that describes the object.
#include <windows.h>
#include <ocidl.h>

#include "activex/type_library.h"

namespace activex {

template <const CLSID* Class, typename Interface = IProvideClassInfo>
class ClassInfoProvider : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE GetClassInfo(ITypeInfo** info) override {
    if (!info) return E_POINTER;
    *info = TypeInfoOf(*Class).Detach();
    return *info ? S_OK : TYPE_E_ELEMENTNOTFOUND;
  }
};

}  // namespace activex
