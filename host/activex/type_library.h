#pragma once
// The component's own type library, loaded from the module's TYPELIB resource so that
// dispatch works whether or not the library is registered.
#include <windows.h>
#include <oaidl.h>

#include "host/com/com_ptr.h"

namespace activex {

ComPtr<ITypeLib> ComponentTypeLib();
// The description clients see (for a dual interface, its dispatch side).
ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid);
// For a dual interface, the vtable side that ITypeInfo::Invoke calls through.
ComPtr<ITypeInfo> VtableTypeInfoOf(REFIID iid);

}  // namespace activex
