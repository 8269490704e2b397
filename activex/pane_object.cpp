#include "activex/pane_object.h"

#include "activex/variant_bridge.h"
#include "com/bstr.h"
#include "com/query_interface.h"

namespace activex {
namespace {

// Marks our pane objects so that Unwrap can tell them from any other IDispatch.
const IID kPaneObjectIdentity = {0x6a1f2c3e, 0x41d8, 0x4b7e, {0x9a, 0x51, 0x2f, 0x0d, 0x7c, 0x33, 0xe8, 0x14}};

VARIANT_BOOL FromBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

// A property whose value the pane takes and gives as the interface's type holds it.
#define PANE_PROPERTY(Name, Type)                                          \
  HRESULT PaneObject::put_##Name(Type* value) {                            \
    return Put(value, [&](Type v) { object_->Set##Name(v); });             \
  }                                                                        \
  HRESULT PaneObject::get_##Name(Type* value) {                            \
    return Get(value, [&] { return static_cast<Type>(object_->Name()); }); \
  }

// A Boolean property: True is VARIANT_TRUE, and any value but VARIANT_FALSE sets it.
#define PANE_BOOLEAN_PROPERTY(Name)                                                     \
  HRESULT PaneObject::put_##Name(VARIANT_BOOL* value) {                                 \
    return Put(value, [&](VARIANT_BOOL v) { object_->Set##Name(v != VARIANT_FALSE); }); \
  }                                                                                     \
  HRESULT PaneObject::get_##Name(VARIANT_BOOL* value) {                                 \
    return Get(value, [&] { return FromBool(object_->Name()); });                       \
  }

panes::PanePtr PaneObject::Unwrap(IUnknown* object) {
  ComPtr<PaneObject> ours;
  if (!object || FAILED(object->QueryInterface(kPaneObjectIdentity, reinterpret_cast<void**>(ours.Out()))))
    return nullptr;
  return ours->object_;
}

HRESULT PaneObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<PaneObject> kInterfaces[] = {
      {{&kPaneObjectIdentity}, [](PaneObject* self) -> void* { return self; }},
      {{&IID_IUnknown, &IID_IDispatch, &IID__OvPane2, &IID__OvPane}, As<_OvPane2>},
      {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>},
      {{&IID_IProvideClassInfo}, As<IProvideClassInfo>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

PANE_BOOLEAN_PROPERTY(ResizeChildControl)
PANE_PROPERTY(Minimum, LONG)
PANE_PROPERTY(Maximum, LONG)
PANE_BOOLEAN_PROPERTY(Fixed)
PANE_BOOLEAN_PROPERTY(Collapsible)
PANE_BOOLEAN_PROPERTY(Collapsed)
HRESULT PaneObject::put_ControlName(BSTR* value) {
  return Put(value, [&](BSTR v) { object_->SetControlName(FromBstr(v)); });
}
HRESULT PaneObject::get_ControlName(BSTR* value) {
  return Get(value, [&] { return AllocBstr(object_->ControlName()); });
}
HRESULT PaneObject::putref_Tag(VARIANT* value) {
  return Put(value, [&](const VARIANT& v) { object_->SetTagReference(FromVariant(v)); });
}
HRESULT PaneObject::put_Tag(VARIANT* value) {
  return Put(value, [&](const VARIANT& v) { object_->SetTag(FromVariant(v)); });
}
HRESULT PaneObject::get_Tag(VARIANT* value) {
  return Get(value, [&] { return object_->Tag(); });
}
HRESULT PaneObject::put_Name(BSTR* value) {
  return Put(value, [&](BSTR v) { object_->SetName(FromBstr(v)); });
}
HRESULT PaneObject::get_Name(BSTR* value) {
  return Get(value, [&] { return AllocBstr(object_->Name()); });
}
PANE_PROPERTY(Left, LONG)
PANE_PROPERTY(Top, LONG)
PANE_PROPERTY(Width, LONG)
PANE_PROPERTY(Height, LONG)
PANE_PROPERTY(Appearance, OvPaneAppearanceConstants)
HRESULT PaneObject::put_Key(VARIANT* value) {
  return Put(value, [&](const VARIANT& v) { object_->SetKey(FromVariant(v)); });
}
HRESULT PaneObject::get_Key(VARIANT* value) {
  return Get(value, [&] { return object_->Key(); });
}
HRESULT PaneObject::put_Index(LONG* value) {
  return Put(value, [&](LONG v) { object_->SetIndexProperty(v); });
}
HRESULT PaneObject::get_Index(LONG* value) {
  return Get(value, [&] { return object_->Index(); });
}

}  // namespace activex
