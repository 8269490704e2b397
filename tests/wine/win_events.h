#pragma once
// The WinEvents an assistive tool hears about a splitter's children, recorded out of context.
#include <windows.h>

#include <tuple>
#include <utility>
#include <vector>

#include "automation/real_pointer.h"

using Event = std::tuple<DWORD, LONG, LONG>;  // event, object, child

// The WinEvents of one window that tools hear about the splitter's children, in order.
class WinEvents {
 public:
  explicit WinEvents(HWND window) {
    window_ = window;
    events_.clear();
    hook_ =
        SetWinEventHook(EVENT_OBJECT_REORDER, EVENT_OBJECT_VALUECHANGE, nullptr, &Heard, 0, 0, WINEVENT_OUTOFCONTEXT);
  }
  ~WinEvents() { UnhookWinEvent(hook_); }
  WinEvents(const WinEvents&) = delete;
  WinEvents& operator=(const WinEvents&) = delete;

  bool Hooked() const { return hook_ != nullptr; }
  std::vector<Event> Take() {
    PumpMessagesUntilQuiet();
    return std::exchange(events_, {});
  }

 private:
  static void CALLBACK Heard(HWINEVENTHOOK, DWORD event, HWND window, LONG object, LONG child, DWORD, DWORD) {
    // The window system reports the window's own focus as child 0; the bars' focus is ours.
    const bool ours = event == EVENT_OBJECT_REORDER || event == EVENT_OBJECT_VALUECHANGE ||
                      (event == EVENT_OBJECT_FOCUS && child != CHILDID_SELF);
    if (window == window_ && ours) events_.emplace_back(event, object, child);
  }
  static inline HWND window_ = nullptr;
  static inline std::vector<Event> events_;
  HWINEVENTHOOK hook_ = nullptr;
};
