#pragma once
// A listener that records the pane collection's events as readable lines, and lets a
// test run code inside a handler.
#include <functional>
#include <string>
#include <vector>

#include "panes/ov_panes.h"

namespace testing_support {

inline std::string Describe(const panes::PanePtr& pane) {
  return pane ? host::ToUtf8(pane->Name()) : std::string("Nothing");
}

class PaneEvents : public panes::PanesListener {
 public:
  void Added(panes::PanePtr& pane) override {
    log.push_back("PaneAdded " + Describe(pane));
    if (onAdded) onAdded(pane);
  }
  void Removed(panes::PanePtr& pane) override {
    log.push_back("PaneRemoved " + Describe(pane));
    if (onRemoved) onRemoved(pane);
  }
  void Changed(panes::PanePtr& pane, host::String& property) override {
    log.push_back("PaneChanged " + Describe(pane) + " " + host::ToUtf8(property));
    if (onChanged) onChanged(pane, property);
  }
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& next) override {
    log.push_back("SplitterResized " + Describe(pane) + " " + Describe(next));
  }

  std::vector<std::string> log;
  std::function<void(panes::PanePtr&)> onAdded;
  std::function<void(panes::PanePtr&)> onRemoved;
  std::function<void(panes::PanePtr&, host::String&)> onChanged;
};

}  // namespace testing_support
