#include "hook/ov_windows.h"

namespace hook {

using host::Variant;

WindowPtr OvWindows::Add(const Variant& index, const Variant& key, const Variant& name, const Variant& subClassHwnd) {
  WindowPtr window = OvWindow::Create();
  window->SetOwner(shared_from_this());
  return AddItem(index, window, [&](OvWindow& w) {
    if (!key.IsMissing()) w.SetKey(key);
    if (!subClassHwnd.IsMissing()) w.SetSubClassHwnd(WindowHandleFromLong(subClassHwnd.ToLong()));
    if (!name.IsMissing()) w.SetName(name.ToString());
  });
}

bool OvWindows::HasWindowHandle() const {
  for (const WindowPtr& window : Items())
    if (window->SubClassHwnd() != 0) return true;
  return false;
}

void OvWindows::RaiseCallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) {
  Listeners().Raise([&](WindowsListener& l) { l.CallBack(hWnd, lMsg, wParam, lParam); });
}

void OvWindows::RaiseMessageAdded(MessagePtr& message) {
  Listeners().Raise([&](WindowsListener& l) { l.MessageAdded(message); });
}

void OvWindows::RaiseMessageRemoved(MessagePtr& message) {
  Listeners().Raise([&](WindowsListener& l) { l.MessageRemoved(message); });
}

void OvWindows::RaiseMessageChanged(MessagePtr& message, host::String& property) {
  Listeners().Raise([&](WindowsListener& l) { l.MessageChanged(message, property); });
}

}  // namespace hook
