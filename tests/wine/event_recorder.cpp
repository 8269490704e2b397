#include "event_recorder.h"

#include "automation/dispatch_client.h"
#include "automation/dispatch_error.h"
#include "com/com_ptr.h"
#include "com/query_interface.h"
#include "com/unique_handle.h"

namespace {

void Check(HRESULT hr, const wchar_t* step) {
  if (FAILED(hr)) throw DispatchError(hr, step);
}

// The type information of source's default source interface, from its type library.
// The given event interface, or with IID_NULL the source's default one.
activex::ComPtr<ITypeInfo> SourceInfo(IUnknown* source, IID& iid) {
  activex::ComPtr<IProvideClassInfo2> provider;
  Check(source->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(provider.Out())),
        L"QueryInterface(IProvideClassInfo2)");
  if (iid == IID_NULL) Check(provider->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &iid), L"IProvideClassInfo2::GetGUID");
  activex::ComPtr<ITypeInfo> coclass, found;
  activex::ComPtr<ITypeLib> library;
  Check(provider->GetClassInfo(coclass.Out()), L"IProvideClassInfo::GetClassInfo");
  Check(coclass->GetContainingTypeLib(library.Out(), nullptr), L"ITypeInfo::GetContainingTypeLib");
  Check(library->GetTypeInfoOfGuid(iid, found.Out()), L"ITypeLib::GetTypeInfoOfGuid");
  return found;
}

}  // namespace

activex::ComPtr<EventRecorder> EventRecorder::Create() {
  return activex::ComPtr<EventRecorder>::Adopt(new EventRecorder());
}

void EventRecorder::Connect(IUnknown* source, REFIID events) {
  Disconnect();
  eventInterface_ = events;
  eventInfo_ = SourceInfo(source, eventInterface_);

  activex::ComPtr<IConnectionPointContainer> container;
  Check(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container.Out())),
        L"QueryInterface(IConnectionPointContainer)");
  Check(container->FindConnectionPoint(eventInterface_, point_.Out()), L"FindConnectionPoint");
  HRESULT hr = point_->Advise(static_cast<IDispatch*>(this), &cookie_);
  if (FAILED(hr)) point_.Reset();
  Check(hr, L"IConnectionPoint::Advise");
}

void EventRecorder::Disconnect() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  Abandon();
}

void EventRecorder::Abandon() {
  point_.Reset();
  cookie_ = 0;
}

std::vector<std::wstring> EventRecorder::Summaries() const {
  std::vector<std::wstring> summaries;
  for (const RecordedEvent& event : events_) summaries.push_back(event.summary);
  return summaries;
}

std::wstring EventRecorder::EventName(DISPID id) const {
  win32::UniqueBstr name;
  if (eventInfo_ && SUCCEEDED(eventInfo_->GetDocumentation(id, name.put(), nullptr, nullptr, nullptr)) && name)
    return std::wstring(name.get(), SysStringLen(name.get()));
  return L"#" + std::to_wstring(id);
}

std::wstring EventRecorder::Describe(const VariantValue& argument) {
  if (argument.IsNothing() || argument.IsEmpty()) return L"Nothing";
  if (argument.AsUnknown()) {
    try {
      return DispatchClient::From(argument).Get(L"Name").AsString();
    } catch (const DispatchError&) {
      return L"(object without Name)";
    }
  }
  try {
    return argument.AsString();
  } catch (const DispatchError&) {
    return L"(vt " + std::to_wstring(argument.Type()) + L")";
  }
}

STDMETHODIMP EventRecorder::QueryInterface(REFIID iid, void** object) {
  static constexpr activex::InterfaceEntry<EventRecorder> kInterfaces[] = {
      {{&IID_IUnknown, &IID_IDispatch}, activex::As<IDispatch>}};
  // The event interface, once connected, is the sink's IDispatch too.
  bool events = !IsEqualIID(eventInterface_, IID_NULL) && IsEqualIID(iid, eventInterface_);
  return activex::QueryInterfaceFrom(this, kInterfaces, events ? IID_IDispatch : iid, object);
}

STDMETHODIMP EventRecorder::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  // Nothing may escape into the server that raised the event.
  try {
    RecordedEvent event;
    event.name = EventName(id);
    std::wstring arguments;
    if (params) {
      // rgvarg holds the last argument first.
      for (UINT i = params->cArgs; i-- > 0;) {
        const VARIANT& raw = params->rgvarg[i];
        event.allByReference = event.allByReference && (raw.vt & VT_BYREF);
        event.arguments.push_back(VariantValue::CopyOf(raw));
        if (!arguments.empty()) arguments += L", ";
        arguments += Describe(event.arguments.back());
      }
    }
    event.summary = event.name + L"(" + arguments + L")";
    events_.push_back(event);
    // A handler may raise further events, so it gets its own copy.
    if (onEvent && params) onEvent(event, *params);
  } catch (const std::exception& error) {
    events_.push_back(RecordedEvent{L"(recorder failed)", {}, false, L"(recorder failed)"});
  }
  return S_OK;
}
