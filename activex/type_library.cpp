#include "activex/type_library.h"

#include "com/bstr.h"
#include "activex/module.h"
#include "com/unique_handle.h"

namespace activex {

ComPtr<ITypeLib> ComponentTypeLib() {
  static ITypeLib* library = [] {
    ITypeLib* loaded = nullptr;
    host::String path = ModulePath();
    LoadTypeLibEx(Wide(path), REGKIND_NONE, &loaded);
    return loaded;  // kept for the life of the module
  }();
  return ComPtr<ITypeLib>::Share(library);
}

ComPtr<ITypeInfo> TypeInfoOf(REFGUID guid) {
  ComPtr<ITypeInfo> info;
  if (ComPtr<ITypeLib> library = ComponentTypeLib()) library->GetTypeInfoOfGuid(guid, info.Out());
  return info;
}

ComPtr<ITypeInfo> VtableTypeInfoOf(REFIID iid) {
  ComPtr<ITypeInfo> info = TypeInfoOf(iid);
  if (!info) return info;
  bool dual;
  {
    win32::TypeAttributes attributes(info.Get());
    if (!attributes) return ComPtr<ITypeInfo>();
    dual = attributes->typekind == TKIND_DISPATCH && (attributes->wTypeFlags & TYPEFLAG_FDUAL);
  }
  if (!dual) return info;
  HREFTYPE vtableSide = 0;
  ComPtr<ITypeInfo> vtable;
  if (SUCCEEDED(info->GetRefTypeOfImplType(static_cast<UINT>(-1), &vtableSide)))
    info->GetRefTypeInfo(vtableSide, vtable.Out());
  return vtable ? vtable : info;
}

ComPtr<ITypeInfo> DeclaringInterfaceOf(const ComPtr<ITypeInfo>& vtable, DISPID member) {
  constexpr WORD kAnyInvokeKind = INVOKE_FUNC | INVOKE_PROPERTYGET | INVOKE_PROPERTYPUT | INVOKE_PROPERTYPUTREF;
  for (ComPtr<ITypeInfo> current = vtable; current;) {
    if (FunctionIndexOf(current.Get(), member, kAnyInvokeKind)) return current;
    HREFTYPE extended = 0;
    ComPtr<ITypeInfo> next;
    if (FAILED(current->GetRefTypeOfImplType(0, &extended)) || FAILED(current->GetRefTypeInfo(extended, next.Out())))
      break;
    current = next;
  }
  return vtable;
}

std::optional<UINT> FunctionIndexOf(ITypeInfo* info, DISPID member, WORD flags) {
  win32::TypeAttributes attributes(info);
  if (!attributes) return std::nullopt;
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    win32::FunctionDescription candidate(info, i);
    if (candidate && candidate->memid == member && (candidate->invkind & flags)) return i;
  }
  return std::nullopt;
}

}  // namespace activex
