#include "activex/property_notifier.h"

#include "com/bstr.h"
#include "activex/type_library.h"

namespace activex {

void PropertyNotifier::PropertyChanged(host::StringView name) {
  dirty_ = true;
  DISPID id = DISPID_UNKNOWN;
  host::String text(name);
  LPOLESTR names[] = {const_cast<LPOLESTR>(Wide(text))};
  if (ComPtr<ITypeInfo> info = TypeInfoOf(interface_)) {
    if (FAILED(info->GetIDsOfNames(names, 1, &id))) id = DISPID_UNKNOWN;
  }
  sinks_.ForEachSink<IPropertyNotifySink>([id](IPropertyNotifySink* sink) { sink->OnChanged(id); });
}

}  // namespace activex
