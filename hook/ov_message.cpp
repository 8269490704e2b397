#include "hook/ov_message.h"

#include "host/error.h"
#include "hook/ov_messages.h"

namespace hook {

void OvMessage::SetText(const host::String& value) {
  text_ = value;
  Notify(u"Text");
}

void OvMessage::SetValue(int32_t value) {
  auto owner = GetOwner();
  if (owner && owner->ValueExists(value)) throw host::Error::Bare(host::err::kInvalidValue, u"Message already exists.");
  value_ = value;
  Notify(u"Value");
}

}  // namespace hook
