#include "activex/panes_object.h"

#include <vector>

#include "activex/pane_object.h"
#include "activex/variant_bridge.h"
#include "activex/variant_enumerator.h"
#include "com/bstr.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"

namespace activex {
namespace {

// A pane passed to an event handler by reference: the handler may replace the object,
// and whatever it leaves there is released afterwards.
class PaneArgument {
 public:
  explicit PaneArgument(const panes::PanePtr& pane) : object_(ComPtr<_OvPane>::Adopt(PaneObject::Wrap(pane))) {}
  VARIANT ByReference() {
    VARIANT v;
    V_VT(&v) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&v) = reinterpret_cast<IDispatch**>(object_.Slot());
    return v;
  }
  VARIANT ByValue() {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object_.Get();
    return v;
  }

 private:
  ComPtr<_OvPane> object_;
};

}  // namespace

PanesObject::PanesObject(std::shared_ptr<panes::OvPanes> panes) : DispatchObject(IID__OvPanes, std::move(panes)) {
  object_->AddListener(this);
}

PanesObject::~PanesObject() { object_->RemoveListener(this); }

HRESULT PanesObject::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<PanesObject> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch, &IID__OvPanes}, As<_OvPanes>},
      {{&IID_IProvideClassInfo, &IID_IProvideClassInfo2}, As<IProvideClassInfo2>},
      {{&IID_IConnectionPointContainer}, As<IConnectionPointContainer>},
      {{&IID_ISupportErrorInfo}, As<ISupportErrorInfo>},
  };
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT PanesObject::NewEnum(IUnknown** result) {
  return Get(result, [&]() -> IUnknown* {
    std::vector<win32::UniqueVariant> items;
    for (const panes::PanePtr& pane : object_->Items()) {
      VARIANT& item = items.emplace_back().get();
      V_VT(&item) = VT_DISPATCH;
      V_DISPATCH(&item) = PaneObject::Wrap(pane);
    }
    return VariantEnumerator::Create(std::move(items));
  });
}

HRESULT PanesObject::Add(VARIANT index, VARIANT key, VARIANT appearance, VARIANT controlName, _OvPane** result) {
  return Get(result, [&] {
    return PaneObject::Wrap(
        object_->Add(FromVariant(index), FromVariant(key), FromVariant(appearance), FromVariant(controlName)));
  });
}

HRESULT PanesObject::get_Item(VARIANT* index, _OvPane** result) {
  if (!index || !result) return E_POINTER;
  return Get(result, [&] { return PaneObject::Wrap(object_->Item(FromVariant(*index))); });
}

HRESULT PanesObject::get_Count(LONG* result) {
  return Get(result, [&] { return object_->Count(); });
}

HRESULT PanesObject::Remove(VARIANT* index) {
  return Put(index, [&](const VARIANT& value) { object_->Remove(FromVariant(value)); });
}

HRESULT PanesObject::Clear() {
  return ComBoundary([&] { object_->Clear(); });
}

void PanesObject::Added(panes::PanePtr& pane) {
  PaneArgument added(pane);
  VARIANT arguments[] = {added.ByReference()};
  events_.Raise(1, arguments);
}

void PanesObject::Removed(panes::PanePtr& pane) {
  PaneArgument removed(pane);
  VARIANT arguments[] = {removed.ByValue()};
  events_.Raise(2, arguments);
}

void PanesObject::Changed(panes::PanePtr& pane, host::String& property) {
  PaneArgument changed(pane);
  // The handler may replace the name; whatever it leaves is freed.
  win32::UniqueBstr name;
  BSTR* slot = name.put();
  *slot = AllocBstr(property);
  VARIANT nameArgument;
  V_VT(&nameArgument) = VT_BYREF | VT_BSTR;
  V_BSTRREF(&nameArgument) = slot;
  VARIANT arguments[] = {changed.ByReference(), nameArgument};
  events_.Raise(3, arguments);
}

void PanesObject::SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) {
  PaneArgument first(pane), second(nextPane);
  VARIANT arguments[] = {first.ByReference(), second.ByReference()};
  events_.Raise(4, arguments);
}

}  // namespace activex
