#pragma once
// An event sink for any connectable automation object. The event interface is the
// source's default source interface, found through IProvideClassInfo, and events are
// named through its type information. Each event is written down when it arrives as
// "Name(arg, arg)", objects shown by their Name member and Nothing as "Nothing".

#include <windows.h>
#include <ocidl.h>

#include <functional>
#include <string>
#include <vector>

#include "automation/name_dispatch.h"
#include "com/com_ptr.h"
#include "com/ref_counted.h"
#include "automation/variant_value.h"

struct RecordedEvent {
  std::wstring name;
  std::vector<VariantValue> arguments;  // in declaration order, dereferenced
  bool allByReference = true;
  std::wstring summary;
};

class EventRecorder : public NameDispatch, private com::RefCounted {
 public:
  static activex::ComPtr<EventRecorder> Create();

  // Advises on source's connection point for the given event interface, by default its
  // default source interface.
  void Connect(IUnknown* source, REFIID events = IID_NULL);
  void Disconnect();
  // Forgets the connection without Unadvise, to see the source drop it by itself.
  void Abandon();

  // Runs inside the event, after it was recorded; arguments are the live ones.
  std::function<void(const RecordedEvent&, DISPPARAMS&)> onEvent;

  const std::vector<RecordedEvent>& Events() const { return events_; }
  std::vector<std::wstring> Summaries() const;
  void Clear() { events_.clear(); }
  ULONG References() const { return com::RefCounted::References(); }

  // IUnknown
  STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
  COM_IUNKNOWN_REFCOUNT

  // IDispatch: the events, by their DISPIDs only
  STDMETHODIMP Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                      EXCEPINFO* exception, UINT* argumentError) override;

 private:
  EventRecorder() = default;
  ~EventRecorder() override = default;
  std::wstring EventName(DISPID id) const;
  static std::wstring Describe(const VariantValue& argument);

  IID eventInterface_ = IID_NULL;
  activex::ComPtr<ITypeInfo> eventInfo_;
  activex::ComPtr<IConnectionPoint> point_;
  DWORD cookie_ = 0;
  std::vector<RecordedEvent> events_;
};

// A recorder connected to a source for as long as it is held.
class Recording {
 public:
  explicit Recording(IUnknown* source, REFIID events = IID_NULL) : recorder_(EventRecorder::Create()) {
    recorder_->Connect(source, events);
  }
  ~Recording() { recorder_->Disconnect(); }
  Recording(const Recording&) = delete;
  Recording& operator=(const Recording&) = delete;
  EventRecorder* operator->() const { return recorder_.Get(); }
  EventRecorder& operator*() const { return *recorder_.Get(); }

 private:
  activex::ComPtr<EventRecorder> recorder_;
};
