#pragma once
// The accessibility notifications as WinEvents of the control window's client object, the
// bars by their child ids.
#include <windows.h>

#include "host/site/accessibility_events.h"

namespace win32 {

class Win32AccessibilityEvents : public host::AccessibilityEvents {
 public:
  explicit Win32AccessibilityEvents(HWND window) : window_(window) {}

  void BarValueChanged(size_t bar) override;
  void ChildrenReordered() override;
  void BarFocused(size_t bar) override;

 private:
  HWND window_;
};

}  // namespace win32
