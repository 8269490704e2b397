#pragma once
// A listener that records a registry's events as readable lines, and lets a test run code
// inside a handler.
#include <functional>
#include <string>
#include <vector>

#include "hook/ov_windows.h"

namespace testing_support {

// What the hook's tests share: an argument left out, and event logs as lines.
inline const host::Variant kMissing = host::Variant::Missing();
using Strings = std::vector<std::string>;

inline std::string Describe(const hook::WindowPtr& window) {
  return window ? "window " + host::ToUtf8(window->Name()) : std::string("Nothing");
}

inline std::string Describe(const hook::MessagePtr& message) {
  return message ? "message " + std::to_string(message->Value()) : std::string("Nothing");
}

class WindowsEvents : public hook::WindowsListener {
 public:
  void Added(hook::WindowPtr& window) override { log.push_back("Added " + Describe(window)); }
  void Removed(hook::WindowPtr& window) override { log.push_back("Removed " + Describe(window)); }
  void Changed(hook::WindowPtr& window, host::String& property) override {
    log.push_back("Changed " + Describe(window) + " " + host::ToUtf8(property));
  }
  void MessageAdded(hook::MessagePtr& message) override { log.push_back("MessageAdded " + Describe(message)); }
  void MessageRemoved(hook::MessagePtr& message) override { log.push_back("MessageRemoved " + Describe(message)); }
  void MessageChanged(hook::MessagePtr& message, host::String& property) override {
    log.push_back("MessageChanged " + Describe(message) + " " + host::ToUtf8(property));
  }
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override {
    if (onCallBack) onCallBack(hWnd, lMsg, wParam, lParam);
  }

  std::vector<std::string> log;
  std::function<void(host::WindowHandle, uint32_t, host::WParam, host::LParam)> onCallBack;
};

}  // namespace testing_support
