#include "hook/m_call_back.h"

#include <algorithm>
#include <array>
#include <utility>

namespace hook::MCallBack {

namespace {

// Made with the thread's first registry and let go with its last. A plain pointer: a
// thread-local object with a destructor would have to be destroyed at the thread's exit,
// when this module may already be unloaded (the last apartment that used it has gone).
thread_local RegistryList* tRegistries = nullptr;

// Entries of one message, in order. Most windows are named by one or two entries, so the
// first few are kept inside the call and the list allocates only beyond them. Collecting
// and looking up entries runs no client code, so plain pointers serve until the first
// callback; Hold then takes a reference to every entry, so that a handler that removes an
// entry or clears a registry does not pull it from under this call.
class EntryList {
 public:
  void Append(OvWindow* entry) {
    if (size_ < kInline)
      inline_[size_] = entry;
    else
      more_.push_back(entry);
    ++size_;
  }
  size_t Size() const { return size_; }
  bool Empty() const { return size_ == 0; }
  OvWindow& operator[](size_t i) const { return i < kInline ? *inline_[i] : *more_[i - kInline]; }

  void Hold() {
    if (held_.size() == size_) return;
    held_.clear();
    held_.reserve(size_);
    for (size_t i = 0; i < size_; ++i) held_.push_back((*this)[i].shared_from_this());
  }

 private:
  static constexpr size_t kInline = 4;
  std::array<OvWindow*, kInline> inline_{};
  std::vector<OvWindow*> more_;
  size_t size_ = 0;
  std::vector<WindowPtr> held_;
};

void RaiseCallBack(OvWindow& entry, host::WindowHandle hWnd, uint32_t uMsg, host::WParam wParam, host::LParam lParam) {
  // A registry that has gone away has no one left to tell.
  if (auto owner = entry.GetOwner()) owner->RaiseCallBack(hWnd, uMsg, wParam, lParam);
}

// The message as the registered entries ask: callbacks before and after, and the previous
// procedure unless every entry swallows it.
// Kept out of line, so that the common path stays a short function.
[[gnu::noinline]] host::MessageResult DispatchRegistered(host::WindowSubclassing& platform, host::WindowHandle hWnd,
                                                         uint32_t uMsg, host::WParam wParam, host::LParam lParam) {
  // Complete before any callback runs: a handler that changes the registries affects
  // later messages only. Nested calls collect their own lists.
  EntryList interested;
  for (const std::shared_ptr<OvWindows>& registry : *tRegistries) {
    if (!registry->IsSubclassing()) continue;
    for (const WindowPtr& entry : registry->Windows())
      if (entry->SubClassHwnd() == hWnd) interested.Append(entry.get());
  }

  EntryList later;
  bool callDefault = false;
  for (size_t i = 0; i < interested.Size(); ++i) {
    OvWindow& entry = interested[i];
    // Looked up now rather than up front: a callback of an earlier entry may have
    // changed this entry's messages.
    auto found = OvWindows::FindMessage(entry, hWnd, uMsg);
    if (!found) {
      callDefault = true;
      continue;
    }
    if (found->ProcessDefaultProc()) callDefault = true;
    if (found->ProcessType() == OvBeforeDefaultProc) {
      interested.Hold();
      RaiseCallBack(entry, hWnd, uMsg, wParam, lParam);
    } else if (found->ProcessType() == OvAfterDefaultProc) {
      interested.Hold();
      later.Append(&entry);
    }
  }

  host::MessageResult result = 0;
  if (callDefault) result = platform.CallProcedure(interested[0].GetPreviousWndProc(), hWnd, uMsg, wParam, lParam);
  for (size_t i = 0; i < later.Size(); ++i) RaiseCallBack(later[i], hWnd, uMsg, wParam, lParam);
  return result;
}

}  // namespace

const RegistryList* ThreadRegistries() { return tRegistries; }

void RegisterWindows(const std::shared_ptr<OvWindows>& registry) {
  if (!tRegistries) tRegistries = new RegistryList();
  tRegistries->push_back(registry);
}

void UnregisterWindows(host::WindowSubclassing& platform, const std::shared_ptr<OvWindows>& registry) {
  ApplySubclassing(platform, *registry);
  if (!tRegistries) return;
  auto at = std::find(tRegistries->begin(), tRegistries->end(), registry);
  if (at != tRegistries->end()) tRegistries->erase(at);
  if (tRegistries->empty()) delete std::exchange(tRegistries, nullptr);
}

void ApplySubclassing(host::WindowSubclassing& platform, OvWindows& registry) {
  std::vector<WindowPtr> entries = registry.Windows();
  for (const WindowPtr& entry : entries) {
    if (registry.IsSubclassing())
      HookWindow(platform, *entry);
    else
      UnhookWindow(platform, *entry);
  }
}

void HookWindow(host::WindowSubclassing& platform, OvWindow& entry) {
  host::WindowHandle h = entry.SubClassHwnd();
  std::uintptr_t count = platform.GetProperty(h, kRegistrationCountProperty);
  host::WindowProcedure previous;
  if (count != 0) {
    previous = platform.GetProperty(h, kPreviousProcedureProperty);
  } else {
    previous = platform.InstallSharedProcedure(h, &WindowProc);
    platform.SetProperty(h, kPreviousProcedureProperty, previous);
  }
  entry.SetPreviousWndProc(previous);
  platform.SetProperty(h, kRegistrationCountProperty, count + 1);
}

void UnhookWindow(host::WindowSubclassing& platform, OvWindow& entry) {
  host::WindowHandle h = entry.SubClassHwnd();
  auto count = static_cast<std::intptr_t>(platform.GetProperty(h, kRegistrationCountProperty));
  if (count == 1) {
    // The procedure this entry recorded, not the property: the two agree unless the
    // entry's handle was changed while subclassed.
    platform.PutBackProcedure(h, entry.GetPreviousWndProc());
    platform.RemoveProperty(h, kPreviousProcedureProperty);
    platform.RemoveProperty(h, kRegistrationCountProperty);
  } else if (count > 1) {
    platform.SetProperty(h, kRegistrationCountProperty, static_cast<std::uintptr_t>(count - 1));
  }
}

host::MessageResult WindowProc(host::WindowSubclassing& platform, host::WindowHandle hWnd, uint32_t uMsg,
                               host::WParam wParam, host::LParam lParam) {
  if (!tRegistries) return RestoreAndForward(platform, hWnd, uMsg, wParam, lParam);

  // Most messages are registered by no entry that names the window: they go to the first
  // entry's previous procedure and nothing else happens. Looking runs no client code, so
  // this answers exactly as the full dispatch would, without its lists.
  OvWindow* first = nullptr;
  bool registered = false;
  for (const std::shared_ptr<OvWindows>& registry : *tRegistries) {
    if (!registry->IsSubclassing()) continue;
    for (const WindowPtr& entry : registry->Windows()) {
      if (entry->SubClassHwnd() != hWnd) continue;
      if (!first) first = entry.get();
      if (entry->Watches(uMsg)) {
        registered = true;
        break;
      }
    }
    if (registered) break;
  }

  // The window carries the shared procedure but no entry with subclassing on names it:
  // its entry was removed, its registry cleared or its handle changed while subclassed.
  // Nothing is left to release it later, so it gets its own procedure back now, loses
  // both properties and handles this message itself, as on a thread without registries.
  if (!first) return RestoreAndForward(platform, hWnd, uMsg, wParam, lParam);
  if (!registered) return platform.CallProcedure(first->GetPreviousWndProc(), hWnd, uMsg, wParam, lParam);
  return DispatchRegistered(platform, hWnd, uMsg, wParam, lParam);
}

host::MessageResult RestoreAndForward(host::WindowSubclassing& platform, host::WindowHandle hWnd, uint32_t uMsg,
                                      host::WParam wParam, host::LParam lParam) {
  host::WindowProcedure previous = platform.GetProperty(hWnd, kPreviousProcedureProperty);
  if (previous != 0) platform.PutBackProcedure(hWnd, previous);
  platform.RemoveProperty(hWnd, kPreviousProcedureProperty);
  host::MessageResult result = platform.CallProcedure(previous, hWnd, uMsg, wParam, lParam);
  platform.RemoveProperty(hWnd, kRegistrationCountProperty);
  return result;
}

}  // namespace hook::MCallBack
