#pragma once
// The message hook: a private control that lets its owner watch chosen messages of chosen
// windows. It owns one registry, registered with this thread's subclassing for its whole
// life; Subclass switches the subclassing of the registry's windows on and off, and every
// registered message that arrives reaches the owner as CallBack.
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "hook/ov_windows.h"
#include "host/listener_list.h"
#include "host/site/ambient_properties.h"
#include "host/site/named_parent.h"
#include "host/site/property_change_sink.h"
#include "host/site/window_subclassing.h"

namespace hook {

class KpMsgHookListener {
 public:
  virtual ~KpMsgHookListener() = default;
  // A registered message of a subclassed window, before or after the window's previous
  // procedure as the message asks; the values are copies.
  virtual void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) = 0;
};

// What the hook needs of its platform. All of it outlives the hook.
struct HookSite {
  host::WindowSubclassing& subclassing;
  // UserMode: True at run time, when Subclass really subclasses.
  host::AmbientProperties& ambient;
  // Told "Windows" or "Messages" when the registry changes.
  host::PropertyChangeSink& propertyChanges;
  // The hook's parent object, where GetControlNames starts; may throw host::Error.
  std::function<host::NamedParentRef()> parent;
};

class KpMsgHook : private WindowsListener {
 public:
  // Initialize: an empty registry, registered with this thread's subclassing.
  explicit KpMsgHook(HookSite site);
  // Terminate, unless it ran already.
  ~KpMsgHook() override;
  KpMsgHook(const KpMsgHook&) = delete;
  KpMsgHook& operator=(const KpMsgHook&) = delete;

  // Public interface.
  const std::shared_ptr<OvWindows>& Windows() const { return m_oWindows; }
  bool Subclass() const { return m_oWindows && m_oWindows->IsSubclassing(); }
  // At run time hooks (True) or releases (False) every registered window, and fails with
  // 0x8004041B when no registered window has a handle; in the designer only stores the
  // flag. Setting the current value does nothing.
  void SetSubclass(bool bSubclass);
  void ShowAboutBox() {}
  // The outermost container's Name, then the Names of its windowed controls, then one empty
  // element. Never fails: each step that fails is skipped.
  std::vector<host::String> GetControlNames() const;
  static int32_t LoByte(int32_t value) { return value & 0xFF; }
  // The division truncates toward zero, so a negative value with a low byte is one nearer
  // zero than a shift: HiByte(-1) = 0, HiByte(-256) = 255.
  static int32_t HiByte(int32_t value) { return (value / 256) & 0xFF; }
  static int32_t LoWord(int32_t value) { return value & 0xFFFF; }
  static int32_t HiWord(int32_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value) >> 16); }

  void AddListener(KpMsgHookListener* listener) { listeners_.Add(listener); }
  void RemoveListener(KpMsgHookListener* listener) { listeners_.Remove(listener); }

  // Releases every registered window (or lowers its count where another hook still holds
  // it), leaves this thread's list and drops the registry.
  void Terminate();

  // The footprint a designer shows, in pixels; the hook draws nothing.
  static constexpr int kSizePixels = 24;

 private:
  // WindowsListener: every change of the registry is a change of "Windows" or "Messages".
  void Added(WindowPtr&) override { site_.propertyChanges.PropertyChanged(u"Windows"); }
  void Removed(WindowPtr&) override { site_.propertyChanges.PropertyChanged(u"Windows"); }
  void Changed(WindowPtr&, host::String&) override { site_.propertyChanges.PropertyChanged(u"Windows"); }
  void MessageAdded(MessagePtr&) override { site_.propertyChanges.PropertyChanged(u"Messages"); }
  void MessageRemoved(MessagePtr&) override { site_.propertyChanges.PropertyChanged(u"Messages"); }
  void MessageChanged(MessagePtr&, host::String&) override { site_.propertyChanges.PropertyChanged(u"Messages"); }
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override;

  HookSite site_;
  std::shared_ptr<OvWindows> m_oWindows;
  host::ListenerList<KpMsgHookListener> listeners_;
};

}  // namespace hook
