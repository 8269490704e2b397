#pragma once
// The component's own type library, loaded from the module's TYPELIB resource so that
// dispatch works whether or not the library is registered.
#include <windows.h>
#include <oaidl.h>

#include <optional>

#include "com/com_ptr.h"

namespace activex {

ComPtr<ITypeLib> ComponentTypeLib();
// The description clients see (for a dual interface, its dispatch side).
ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid);
// For a dual interface, the vtable side that ITypeInfo::Invoke calls through.
ComPtr<ITypeInfo> VtableTypeInfoOf(REFIID iid);
// The interface that declares the member: the vtable interface itself or one it extends,
// nearest first; itself when none does. An extending interface's description lists only
// the members it adds, and the checks before Invoke read the member's own description.
ComPtr<ITypeInfo> DeclaringInterfaceOf(const ComPtr<ITypeInfo>& vtable, DISPID member);
// The index of the member's description that these invoke flags reach, as Invoke finds it.
std::optional<UINT> FunctionIndexOf(ITypeInfo* info, DISPID member, WORD flags);

}  // namespace activex
