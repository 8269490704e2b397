#include "hook/ov_messages.h"

namespace hook {

using host::Variant;

MessagePtr OvMessages::Add(const Variant& index, const Variant& key, const Variant& value, const Variant& text,
                           const Variant& processDefaultProc, const Variant& processType) {
  auto message = std::make_shared<OvMessage>();
  message->SetOwner(shared_from_this());
  return AddItem(index, message, [&](OvMessage& m) {
    if (!key.IsMissing()) m.SetKey(key);
    if (!value.IsMissing()) m.SetValue(value.ToLong());
    if (!text.IsMissing()) m.SetText(text.ToString());
    if (!processDefaultProc.IsMissing()) m.SetProcessDefaultProc(processDefaultProc.ToBoolean());
    if (!processType.IsMissing()) m.SetProcessType(processType.ToLong());
  });
}

bool OvMessages::ValueExists(int32_t value) const {
  if (value == 0) return false;
  for (const MessagePtr& message : Items())
    if (message->Value() == value) return true;
  return false;
}

}  // namespace hook
