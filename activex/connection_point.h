#pragma once
// One outgoing event interface of an object: the sinks that clients advised and the
// raising of an event to each of them. It lives inside its object and shares its
// reference count.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include <map>
#include <span>
#include <utility>
#include <vector>

#include "com/com_ptr.h"

namespace activex {

class ConnectionPoint final : public IConnectionPoint {
 public:
  ConnectionPoint(IConnectionPointContainer& container, REFIID events) : container_(container), events_(events) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return container_.AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return container_.Release(); }

  HRESULT STDMETHODCALLTYPE GetConnectionInterface(IID* iid) override;
  HRESULT STDMETHODCALLTYPE GetConnectionPointContainer(IConnectionPointContainer** container) override;
  HRESULT STDMETHODCALLTYPE Advise(IUnknown* sink, DWORD* cookie) override;
  HRESULT STDMETHODCALLTYPE Unadvise(DWORD cookie) override;
  HRESULT STDMETHODCALLTYPE EnumConnections(IEnumConnections** connections) override;

  REFIID Events() const { return events_; }
  // Whether the event interface declares the event, as its type library says.
  bool Declares(DISPID event);
  // Calls every sink in the order they connected; the arguments are in the order of the
  // event's parameters, and a sink's writes through VT_BYREF arguments stay in them.
  void Raise(DISPID event, std::span<VARIANT> arguments);
  void DisconnectAll() { sinks_.clear(); }
  // Each sink connected now, as the interface it was advised for, in connection order.
  template <typename Interface, typename Call>
  void ForEachSink(Call&& call) {
    auto snapshot = sinks_;
    for (auto& [cookie, sink] : snapshot) call(reinterpret_cast<Interface*>(sink.Get()));
  }

 private:
  IConnectionPointContainer& container_;
  IID events_;
  DWORD nextCookie_ = 1;
  // Each sink as the interface Advise found: the event interface, or IDispatch.
  std::vector<std::pair<DWORD, ComPtr<IUnknown>>> sinks_;
  std::map<DISPID, bool> declared_;
};

}  // namespace activex
