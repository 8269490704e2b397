#include "host/activex/panes_object.h"

#include <unordered_map>
#include <vector>

#include "host/activex/bstr.h"
#include "host/activex/pane_object.h"
#include "host/activex/variant_bridge.h"
#include "host/activex/variant_enumerator.h"

namespace activex {
namespace {

std::unordered_map<const panes::OvPanes*, PanesObject*>& LiveObjects() {
  static std::unordered_map<const panes::OvPanes*, PanesObject*> objects;
  return objects;
}

// A pane passed to an event handler by reference: the handler may replace the object,
// and whatever it leaves there is released afterwards.
class PaneArgument {
 public:
  explicit PaneArgument(const panes::PanePtr& pane) : object_(PaneObject::Wrap(pane)) {}
  PaneArgument(const PaneArgument&) = delete;
  PaneArgument& operator=(const PaneArgument&) = delete;
  ~PaneArgument() {
    if (object_) object_->Release();
  }
  VARIANT ByReference() {
    VARIANT v;
    V_VT(&v) = VT_BYREF | VT_DISPATCH;
    V_DISPATCHREF(&v) = reinterpret_cast<IDispatch**>(&object_);
    return v;
  }
  VARIANT ByValue() {
    VARIANT v;
    V_VT(&v) = VT_DISPATCH;
    V_DISPATCH(&v) = object_;
    return v;
  }

 private:
  _OvPane* object_;
};

}  // namespace

_OvPanes* PanesObject::Wrap(const std::shared_ptr<panes::OvPanes>& panes) {
  auto found = LiveObjects().find(panes.get());
  if (found != LiveObjects().end()) {
    found->second->AddRef();
    return found->second;
  }
  return new PanesObject(panes);
}

PanesObject::PanesObject(std::shared_ptr<panes::OvPanes> panes)
    : DualDispatch(IID__OvPanes), panes_(std::move(panes)) {
  LiveObjects()[panes_.get()] = this;
  panes_->AddListener(this);
}

PanesObject::~PanesObject() {
  panes_->RemoveListener(this);
  // Panes added after the control went would otherwise keep their collection alive.
  if (panes_->IsDetached()) panes_->Detach();
  LiveObjects().erase(panes_.get());
}

HRESULT PanesObject::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == IID__OvPanes) {
    *out = static_cast<_OvPanes*>(this);
  } else if (iid == IID_IConnectionPointContainer) {
    *out = static_cast<IConnectionPointContainer*>(this);
  } else if (iid == IID_IProvideClassInfo || iid == IID_IProvideClassInfo2) {
    *out = static_cast<IProvideClassInfo2*>(this);
  } else if (iid == IID_ISupportErrorInfo) {
    *out = static_cast<ISupportErrorInfo*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT PanesObject::NewEnum(IUnknown** result) {
  if (!result) return E_POINTER;
  return Guarded(IID__OvPanes, [&] {
    std::vector<VARIANT> items;
    for (const panes::PanePtr& pane : panes_->Panes()) {
      VARIANT item;
      V_VT(&item) = VT_DISPATCH;
      V_DISPATCH(&item) = PaneObject::Wrap(pane);
      items.push_back(item);
    }
    *result = VariantEnumerator::Create(std::move(items));
  });
}

HRESULT PanesObject::Add(VARIANT index, VARIANT key, VARIANT appearance, VARIANT controlName, _OvPane** result) {
  if (!result) return E_POINTER;
  *result = nullptr;
  return Guarded(IID__OvPanes, [&] {
    auto pane = panes_->Add(FromVariant(index), FromVariant(key), FromVariant(appearance), FromVariant(controlName));
    *result = PaneObject::Wrap(pane);
  });
}

HRESULT PanesObject::get_Item(VARIANT* index, _OvPane** result) {
  if (!index || !result) return E_POINTER;
  *result = nullptr;
  return Guarded(IID__OvPanes, [&] { *result = PaneObject::Wrap(panes_->Item(FromVariant(*index))); });
}

HRESULT PanesObject::get_Count(LONG* result) {
  if (!result) return E_POINTER;
  *result = panes_->Count();
  return S_OK;
}

HRESULT PanesObject::Remove(VARIANT* index) {
  if (!index) return E_POINTER;
  return Guarded(IID__OvPanes, [&] { panes_->Remove(FromVariant(*index)); });
}

HRESULT PanesObject::Clear() {
  return Guarded(IID__OvPanes, [&] { panes_->Clear(); });
}

void PanesObject::PaneAdded(panes::PanePtr& pane) {
  PaneArgument added(pane);
  VARIANT arguments[] = {added.ByReference()};
  events_.Raise(1, arguments);
}

void PanesObject::PaneRemoved(panes::PanePtr pane) {
  PaneArgument removed(pane);
  VARIANT arguments[] = {removed.ByValue()};
  events_.Raise(2, arguments);
}

void PanesObject::PaneChanged(panes::PanePtr& pane, host::String& property) {
  PaneArgument changed(pane);
  BSTR name = AllocBstr(property);
  VARIANT nameArgument;
  V_VT(&nameArgument) = VT_BYREF | VT_BSTR;
  V_BSTRREF(&nameArgument) = &name;
  VARIANT arguments[] = {changed.ByReference(), nameArgument};
  events_.Raise(3, arguments);
  SysFreeString(name);
}

void PanesObject::SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) {
  PaneArgument first(pane), second(nextPane);
  VARIANT arguments[] = {first.ByReference(), second.ByReference()};
  events_.Raise(4, arguments);
}

}  // namespace activex
