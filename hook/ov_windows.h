#pragma once
// The registry of one hook: the windows it subclasses, in order, with 1-based positions and
// optional unique keys; the switch that says whether they are subclassed; and the source of
// CallBack when a registered message arrives. Changes to its windows and to their messages
// reach its listeners as its own events.
#include <cstdint>
#include <memory>
#include <vector>

#include "hook/ov_window.h"
#include "host/keyed_collection_listener.h"
#include "host/keyed_list.h"
#include "host/site/window_subclassing.h"
#include "host/variant.h"

namespace hook {

// The windows' events, and those of the windows' messages by reference as well; CallBack
// gets copies.
class WindowsListener : public host::KeyedCollectionListener<OvWindow> {
 public:
  virtual void MessageAdded(MessagePtr& message) {}
  // Null after a window's Messages.Clear.
  virtual void MessageRemoved(MessagePtr& message) {}
  virtual void MessageChanged(MessagePtr& message, host::String& property) {}
  virtual void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) {}
};

// Count, Item, Remove, Clear, the listeners and the key rules come from KeyedCollection.
// Add does not subclass the new window, nor do Remove and Clear unsubclass the windows they
// take out: subclassing follows IsSubclassing when the hook switches it.
class OvWindows : public host::KeyedCollection<OvWindows, OvWindow, WindowsListener> {
 public:
  // Arguments left out by the caller are Variant::Missing().
  WindowPtr Add(const host::Variant& index = host::Variant::Missing(),
                const host::Variant& key = host::Variant::Missing(),
                const host::Variant& name = host::Variant::Missing(),
                const host::Variant& subClassHwnd = host::Variant::Missing());
  const std::vector<WindowPtr>& Windows() const { return Items(); }

  // Only the flag: the hook does the subclassing.
  bool IsSubclassing() const { return isSubclassing_; }
  void SetIsSubclassing(bool value) { isSubclassing_ = value; }
  // Whether any window has a handle other than 0.
  bool HasWindowHandle() const;

  // The window's first message, in order, whose Value is `message`, with what it asks for
  // (ProcessDefaultProc, ProcessType); null when there is none. The handle is not looked at.
  // Runs no client code.
  static const OvMessage* FindMessage(const OvWindow& window, host::WindowHandle hWnd, uint32_t message) {
    for (const MessagePtr& m : window.Messages()->Messages())
      if (static_cast<uint32_t>(m->Value()) == message) return m.get();
    return nullptr;
  }
  void RaiseCallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam);
  // Not subject to IsAdding.
  void RaiseMessageAdded(MessagePtr& message);
  void RaiseMessageRemoved(MessagePtr& message);
  void RaiseMessageChanged(MessagePtr& message, host::String& property);

 private:
  friend KeyedCollection;
  OvWindows() = default;

  bool isSubclassing_ = false;
};

}  // namespace hook
