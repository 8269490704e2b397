#include "host/activex/pane_object.h"

#include <unordered_map>

#include "host/activex/bstr.h"
#include "host/activex/variant_bridge.h"

namespace activex {
namespace {

// Live pane objects by pane; apartment threaded, so one map serves the thread.
std::unordered_map<const panes::OvPane*, PaneObject*>& LiveObjects() {
  static std::unordered_map<const panes::OvPane*, PaneObject*> objects;
  return objects;
}

// Marks our pane objects so that Unwrap can tell them from any other IDispatch.
const IID kPaneObjectIdentity = {0x6a1f2c3e, 0x41d8, 0x4b7e, {0x9a, 0x51, 0x2f, 0x0d, 0x7c, 0x33, 0xe8, 0x14}};

}  // namespace

_OvPane* PaneObject::Wrap(const panes::PanePtr& pane) {
  if (!pane) return nullptr;
  auto found = LiveObjects().find(pane.get());
  if (found != LiveObjects().end()) {
    found->second->AddRef();
    return found->second;
  }
  return new PaneObject(pane);
}

panes::PanePtr PaneObject::Unwrap(IUnknown* object) {
  PaneObject* ours = nullptr;
  if (!object || FAILED(object->QueryInterface(kPaneObjectIdentity, reinterpret_cast<void**>(&ours)))) return nullptr;
  panes::PanePtr pane = ours->pane_;
  ours->Release();
  return pane;
}

PaneObject::PaneObject(panes::PanePtr pane) : DualDispatch(IID__OvPane), pane_(std::move(pane)) {
  LiveObjects()[pane_.get()] = this;
}

PaneObject::~PaneObject() { LiveObjects().erase(pane_.get()); }

HRESULT PaneObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == kPaneObjectIdentity) {
    *out = this;
  } else if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__OvPane) {
    *out = static_cast<_OvPane*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else if (iid == IID_IProvideClassInfo) {
    *out = static_cast<IProvideClassInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT PaneObject::put_ResizeChildControl(VARIANT_BOOL* value) {
  return Run([&] { pane_->SetResizeChildControl(*value != VARIANT_FALSE); });
}
HRESULT PaneObject::get_ResizeChildControl(VARIANT_BOOL* value) {
  return Run([&] { *value = pane_->ResizeChildControl() ? VARIANT_TRUE : VARIANT_FALSE; });
}
HRESULT PaneObject::put_Minimum(LONG* value) { return Run([&] { pane_->SetMinimum(*value); }); }
HRESULT PaneObject::get_Minimum(LONG* value) { return Run([&] { *value = pane_->Minimum(); }); }
HRESULT PaneObject::put_ControlName(BSTR* value) { return Run([&] { pane_->SetControlName(FromBstr(*value)); }); }
HRESULT PaneObject::get_ControlName(BSTR* value) { return Run([&] { *value = AllocBstr(pane_->ControlName()); }); }
HRESULT PaneObject::putref_Tag(VARIANT* value) { return Run([&] { pane_->SetTagReference(FromVariant(*value)); }); }
HRESULT PaneObject::put_Tag(VARIANT* value) { return Run([&] { pane_->SetTag(FromVariant(*value)); }); }
HRESULT PaneObject::get_Tag(VARIANT* value) { return Run([&] { ToVariant(pane_->Tag(), value); }); }
HRESULT PaneObject::put_Name(BSTR* value) { return Run([&] { pane_->SetName(FromBstr(*value)); }); }
HRESULT PaneObject::get_Name(BSTR* value) { return Run([&] { *value = AllocBstr(pane_->Name()); }); }
HRESULT PaneObject::put_Left(LONG* value) { return Run([&] { pane_->SetLeft(*value); }); }
HRESULT PaneObject::get_Left(LONG* value) { return Run([&] { *value = pane_->Left(); }); }
HRESULT PaneObject::put_Top(LONG* value) { return Run([&] { pane_->SetTop(*value); }); }
HRESULT PaneObject::get_Top(LONG* value) { return Run([&] { *value = pane_->Top(); }); }
HRESULT PaneObject::put_Width(LONG* value) { return Run([&] { pane_->SetWidth(*value); }); }
HRESULT PaneObject::get_Width(LONG* value) { return Run([&] { *value = pane_->Width(); }); }
HRESULT PaneObject::put_Height(LONG* value) { return Run([&] { pane_->SetHeight(*value); }); }
HRESULT PaneObject::get_Height(LONG* value) { return Run([&] { *value = pane_->Height(); }); }
HRESULT PaneObject::put_Appearance(OvPaneAppearanceConstants* value) {
  return Run([&] { pane_->SetAppearance(static_cast<int32_t>(*value)); });
}
HRESULT PaneObject::get_Appearance(OvPaneAppearanceConstants* value) {
  return Run([&] { *value = static_cast<OvPaneAppearanceConstants>(pane_->Appearance()); });
}
HRESULT PaneObject::put_Key(VARIANT* value) { return Run([&] { pane_->SetKey(FromVariant(*value)); }); }
HRESULT PaneObject::get_Key(VARIANT* value) { return Run([&] { ToVariant(pane_->Key(), value); }); }
HRESULT PaneObject::put_Index(LONG* value) { return Run([&] { pane_->SetIndexProperty(*value); }); }
HRESULT PaneObject::get_Index(LONG* value) { return Run([&] { *value = pane_->Index(); }); }

}  // namespace activex
