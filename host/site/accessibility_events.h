#pragma once
// What the control tells assistive tools about its bars and panes as they change. Bars are
// numbered from 0, the bar after pane k being bar k.
#include <cstddef>

#include "host/interface.h"

namespace host {

class AccessibilityEvents : public Interface {
 public:
  // The bar moved, or its value within its drag range changed.
  virtual void BarValueChanged(size_t bar) = 0;
  // Panes were added or removed: the children are not the ones a tool read before.
  virtual void ChildrenReordered() = 0;
  // The bar took the keyboard focus.
  virtual void BarFocused(size_t bar) = 0;
};

}  // namespace host
