#pragma once
// One intercepted message of a registered window: its number, when the hook's owner is told
// of it and whether the window's previous procedure still runs for it.
#include <cstdint>
#include <memory>

#include "host/keyed_list.h"
#include "host/text.h"

namespace hook {

class OvMessages;

enum OvProcessingConstants : int32_t { OvBeforeDefaultProc = 0, OvAfterDefaultProc = 1 };

// Index, Key, Tag and the collection come from KeyedItem; Key, Value, Text and Tag report
// their changes through the collection, ProcessType and ProcessDefaultProc are stored
// without a word.
class OvMessage : public host::Object,
                  public std::enable_shared_from_this<OvMessage>,
                  public host::KeyedItem<OvMessage, OvMessages> {
 public:
  int32_t ProcessType() const { return processType_; }
  void SetProcessType(int32_t value) { processType_ = value; }
  bool ProcessDefaultProc() const { return processDefaultProc_; }
  void SetProcessDefaultProc(bool value) { processDefaultProc_ = value; }
  const host::String& Text() const { return text_; }
  void SetText(const host::String& value);
  int32_t Value() const { return value_; }
  // "Message already exists." when a message of the collection, this one included, has the
  // same non-zero number.
  void SetValue(int32_t value);

 private:
  int32_t value_ = 0;
  host::String text_;
  bool processDefaultProc_ = true;
  int32_t processType_ = OvBeforeDefaultProc;
};

using MessagePtr = std::shared_ptr<OvMessage>;

}  // namespace hook
