#pragma once
// PropertyChanged as containers receive it: IPropertyNotifySink::OnChanged with the
// member's dispatch id (DISPID_UNKNOWN for a name the interface lacks), and the control
// becomes dirty until its next save.
#include <windows.h>
#include <ocidl.h>

#include "activex/connection_point.h"
#include "host/site/property_change_sink.h"

namespace activex {

class PropertyNotifier final : public host::PropertyChangeSink {
 public:
  PropertyNotifier(IConnectionPointContainer& container, REFIID dispatchInterface)
      : sinks_(container, IID_IPropertyNotifySink), interface_(dispatchInterface) {}

  void PropertyChanged(host::StringView name) override;
  void SavedStateChanged() override { dirty_ = true; }
  ConnectionPoint& Sinks() { return sinks_; }
  bool IsDirty() const { return dirty_; }
  void ClearDirty() { dirty_ = false; }

 private:
  ConnectionPoint sinks_;
  IID interface_;
  bool dirty_ = false;
};

}  // namespace activex
