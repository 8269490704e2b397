#pragma once
// One window registered with a hook: its handle, its messages, and the procedure recorded
// when this entry subclassed it. It passes its messages' events on to its registry.
#include <cstdint>
#include <memory>
#include <vector>

#include "hook/ov_messages.h"
#include "host/keyed_list.h"
#include "host/site/window_subclassing.h"
#include "host/text.h"
#include "host/window_handle.h"

namespace hook {

class OvWindows;

// Index, Key, Tag and the registry come from KeyedItem; every setter reports the change
// through the registry.
class OvWindow : public host::Object,
                 public std::enable_shared_from_this<OvWindow>,
                 public host::KeyedItem<OvWindow, OvWindows>,
                 private MessagesListener {
 public:
  static std::shared_ptr<OvWindow> Create();
  ~OvWindow() override;
  OvWindow(const OvWindow&) = delete;
  OvWindow& operator=(const OvWindow&) = delete;

  const std::shared_ptr<OvMessages>& Messages() const { return messages_; }
  const host::String& Name() const { return name_; }
  void SetName(const host::String& value);
  host::WindowHandle SubClassHwnd() const { return subClassHwnd_; }
  // Does not move a subclassing already in place: the message hook matches the new handle
  // from now on, and the old window keeps the shared procedure until released.
  void SetSubClassHwnd(host::WindowHandle value);

  // Used by the subclassing.
  void SetPreviousWndProc(host::WindowProcedure procedure) { previousWndProc_ = procedure; }
  // Whether any of this window's messages has that number. Kept beside the list as plain
  // numbers, so that the shared window procedure answers the many messages nobody watches
  // without walking the message objects.
  bool Watches(uint32_t message) const {
    for (uint32_t number : watched_)
      if (number == message) return true;
    return false;
  }
  host::WindowProcedure GetPreviousWndProc() const { return previousWndProc_; }

 private:
  OvWindow();
  // MessagesListener:
  void Added(MessagePtr& message) override;
  void Removed(MessagePtr& message) override;
  void Changed(MessagePtr& message, host::String& property) override;
  void RefreshWatched();

  host::WindowHandle subClassHwnd_ = 0;
  host::String name_;
  host::WindowProcedure previousWndProc_ = 0;
  std::shared_ptr<OvMessages> messages_;
  std::vector<uint32_t> watched_;
};

using WindowPtr = std::shared_ptr<OvWindow>;

// A window handle given as a Long: handles are 32-bit values, sign-extended on 64 bits.
inline host::WindowHandle WindowHandleFromLong(int32_t value) {
  return static_cast<host::WindowHandle>(static_cast<std::intptr_t>(value));
}

}  // namespace hook
