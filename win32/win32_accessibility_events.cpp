#include "win32/win32_accessibility_events.h"

#include "splitter/accessible_tree.h"

namespace win32 {

using splitter::AccessibleTree;

void Win32AccessibilityEvents::BarValueChanged(size_t bar) {
  NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, window_, OBJID_CLIENT, AccessibleTree::BarChild(bar));
}

void Win32AccessibilityEvents::ChildrenReordered() {
  NotifyWinEvent(EVENT_OBJECT_REORDER, window_, OBJID_CLIENT, CHILDID_SELF);
}

void Win32AccessibilityEvents::BarFocused(size_t bar) {
  NotifyWinEvent(EVENT_OBJECT_FOCUS, window_, OBJID_CLIENT, AccessibleTree::BarChild(bar));
}

}  // namespace win32
