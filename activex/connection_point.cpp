#include "activex/connection_point.h"

#include <algorithm>

#include "activex/type_library.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"

namespace activex {

HRESULT ConnectionPoint::QueryInterface(REFIID iid, void** out) {
  static constexpr InterfaceEntry<ConnectionPoint> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IConnectionPoint}, As<IConnectionPoint>}};
  return QueryInterfaceFrom(this, kInterfaces, iid, out);
}

HRESULT ConnectionPoint::GetConnectionInterface(IID* iid) {
  if (!iid) return E_POINTER;
  *iid = events_;
  return S_OK;
}

HRESULT ConnectionPoint::GetConnectionPointContainer(IConnectionPointContainer** container) {
  if (!container) return E_POINTER;
  *container = &container_;
  container_.AddRef();
  return S_OK;
}

HRESULT ConnectionPoint::Advise(IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  ComPtr<IUnknown> connected;
  if (FAILED(sink->QueryInterface(events_, reinterpret_cast<void**>(connected.Out()))) &&
      (events_ == IID_IPropertyNotifySink ||
       FAILED(sink->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(connected.Out())))))
    return CONNECT_E_CANNOTCONNECT;
  *cookie = nextCookie_++;
  sinks_.emplace_back(*cookie, std::move(connected));
  return S_OK;
}

HRESULT ConnectionPoint::Unadvise(DWORD cookie) {
  auto found = std::find_if(sinks_.begin(), sinks_.end(), [cookie](const auto& s) { return s.first == cookie; });
  if (found == sinks_.end()) return CONNECT_E_NOCONNECTION;
  sinks_.erase(found);
  return S_OK;
}

HRESULT ConnectionPoint::EnumConnections(IEnumConnections** connections) {
  if (!connections) return E_POINTER;
  *connections = nullptr;
  return E_NOTIMPL;
}

bool ConnectionPoint::Declares(DISPID event) {
  auto known = declared_.find(event);
  if (known != declared_.end()) return known->second;
  bool declared = false;
  if (ComPtr<ITypeInfo> info = TypeInfoOf(events_)) {
    win32::UniqueBstr name;
    UINT count = 0;
    declared = SUCCEEDED(info->GetNames(event, name.put(), 1, &count)) && count == 1;
  }
  return declared_[event] = declared;
}

void ConnectionPoint::Raise(DISPID event, std::span<VARIANT> arguments) {
  // DISPPARAMS lists arguments last to first.
  std::vector<VARIANT> reversed(arguments.rbegin(), arguments.rend());
  DISPPARAMS params = {reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
  // A handler may unadvise, or advise another sink: call those connected when raised.
  auto snapshot = sinks_;
  for (auto& [cookie, sink] : snapshot) {
    bool connected = std::any_of(sinks_.begin(), sinks_.end(), [c = cookie](const auto& s) { return s.first == c; });
    if (connected)
      reinterpret_cast<IDispatch*>(sink.Get())
          ->Invoke(event, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
  }
}

}  // namespace activex
