#pragma once
// A collection set up as a control would: bar size, unit factor, inner size, and a listener
// that records its events as readable lines and lets a test run code inside a handler.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "panes/ov_panes.h"

namespace testing_support {

class PaneEvents : public panes::PanesListener {
 public:
  static std::string Describe(const panes::PanePtr& pane) {
    return pane ? host::ToUtf8(pane->Name()) : std::string("Nothing");
  }
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
  }
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& next) override {
    log.push_back("SplitterResized " + Describe(pane) + " " + Describe(next));
  }

  std::vector<std::string> log;
  std::function<void(panes::PanePtr&)> onAdded, onRemoved;
};

class PaneFixture : public ::testing::Test {
 protected:
  void Configure(int16_t orientation, int32_t width, int32_t height, int32_t splitterSize = 4) {
    panes->SetOrientation(orientation);
    panes->SetSplitterSize(splitterSize);
    panes->SetUnitsPerPixel(15);
    panes->SetBounds(width, height);
  }
  void SetUp() override {
    Configure(0, 400, 300);
    panes->AddListener(&events);
  }
  void TearDown() override { panes->Detach(); }

  std::shared_ptr<panes::OvPanes> panes = panes::OvPanes::Create();
  PaneEvents events;
};

}  // namespace testing_support
