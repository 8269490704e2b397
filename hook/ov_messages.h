#pragma once
// The messages that one registered window intercepts, in order, with 1-based positions,
// optional unique keys and unique non-zero numbers. Its events go to its listeners (the
// window that owns it, which passes them on to its registry).
#include <cstdint>
#include <memory>
#include <vector>

#include "hook/ov_message.h"
#include "host/keyed_list.h"
#include "host/variant.h"

namespace hook {

using MessagesListener = host::KeyedCollectionListener<OvMessage>;

// Count, Item, Remove, Clear, the listeners and the key rules come from KeyedCollection.
class OvMessages : public host::KeyedCollection<OvMessages, OvMessage> {
 public:
  // Arguments left out by the caller are Variant::Missing().
  MessagePtr Add(const host::Variant& index = host::Variant::Missing(),
                 const host::Variant& key = host::Variant::Missing(),
                 const host::Variant& value = host::Variant::Missing(),
                 const host::Variant& text = host::Variant::Missing(),
                 const host::Variant& processDefaultProc = host::Variant::Missing(),
                 const host::Variant& processType = host::Variant::Missing());
  const std::vector<MessagePtr>& Messages() const { return Items(); }

  // Whether a message already has this number; 0 is never taken.
  bool ValueExists(int32_t value) const;

 private:
  friend KeyedCollection;
  OvMessages() = default;
};

}  // namespace hook
