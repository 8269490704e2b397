#pragma once
// A collection set up as a control would: bar size, unit factor, inner size, listener.
#include <gtest/gtest.h>

#include "panes/ov_panes.h"
#include "tests/support/pane_events.h"

namespace testing_support {

class PaneFixture : public ::testing::Test {
 protected:
  void Configure(int16_t orientation, int32_t width, int32_t height, int32_t splitterSize = 4,
                 int16_t unitsPerPixel = 15) {
    panes->SetOrientation(orientation);
    panes->SetSplitterSize(splitterSize);
    panes->SetUnitsPerPixel(unitsPerPixel);
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
