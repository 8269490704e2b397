#pragma once
// What a public class with events offers its clients: one connection point for its event
// interface (and, once the events have grown, one for the first release's interface, whose
// sinks hear only the events it declares), found through IConnectionPointContainer, and its
// coclass through IProvideClassInfo2 so that a client can learn that interface.
#include <windows.h>
#include <ocidl.h>
#include <olectl.h>

#include "activex/class_info_provider.h"
#include "activex/connection_point.h"
#include "activex/type_library.h"

namespace activex {

template <const CLSID* Class, const IID* Events, const IID* FirstEvents = &IID_NULL>
class EventSource : public IConnectionPointContainer, public ClassInfoProvider<Class, IProvideClassInfo2> {
 public:
  HRESULT STDMETHODCALLTYPE EnumConnectionPoints(IEnumConnectionPoints** points) override {
    if (points) *points = nullptr;
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE FindConnectionPoint(REFIID iid, IConnectionPoint** point) override {
    if (!point) return E_POINTER;
    *point = nullptr;
    ConnectionPoint* found = iid == *Events                           ? &events_
                             : iid == *FirstEvents && iid != IID_NULL ? &firstEvents_
                                                                      : nullptr;
    if (!found) return CONNECT_E_NOCONNECTION;
    *point = found;
    found->AddRef();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetGUID(DWORD kind, GUID* guid) override {
    if (!guid) return E_POINTER;
    if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
    *guid = *Events;
    return S_OK;
  }

 protected:
  EventSource() : events_(*this, *Events), firstEvents_(*this, *FirstEvents) {}
  ConnectionPoint events_;
  ConnectionPoint firstEvents_;
};

}  // namespace activex
