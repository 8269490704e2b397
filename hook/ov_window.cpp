#include "hook/ov_window.h"

#include "hook/ov_windows.h"

namespace hook {

std::shared_ptr<OvWindow> OvWindow::Create() { return std::shared_ptr<OvWindow>(new OvWindow()); }

OvWindow::OvWindow() : messages_(OvMessages::Create()) { messages_->AddListener(this); }

// A client may still hold the messages collection; it must not report to a window gone.
OvWindow::~OvWindow() { messages_->RemoveListener(this); }

void OvWindow::SetName(const host::String& value) {
  name_ = value;
  Notify(u"Name");
}

void OvWindow::SetSubClassHwnd(host::WindowHandle value) {
  subClassHwnd_ = value;
  Notify(u"SubClassHwnd");
}

void OvWindow::RefreshWatched() {
  watched_.clear();
  for (const MessagePtr& message : messages_->Messages()) watched_.push_back(static_cast<uint32_t>(message->Value()));
}

// The numbers are refreshed before the registry hears of the change: a handler that sends
// the window a message already finds them right.
void OvWindow::Added(MessagePtr& message) {
  RefreshWatched();
  if (auto owner = GetOwner()) owner->RaiseMessageAdded(message);
}

void OvWindow::Removed(MessagePtr& message) {
  RefreshWatched();
  if (auto owner = GetOwner()) owner->RaiseMessageRemoved(message);
}

void OvWindow::Changed(MessagePtr& message, host::String& property) {
  RefreshWatched();
  if (auto owner = GetOwner()) owner->RaiseMessageChanged(message, property);
}

}  // namespace hook
