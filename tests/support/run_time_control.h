#pragma once
// A control at run time in a 400 x 300 simulated window with flat panes, each at least 10
// pixels (150 twips): the given widths, and a last pane that takes the rest.
#include <gtest/gtest.h>

#include <initializer_list>

#include "sim/sim_platform.h"
#include "splitter/ov_splitter.h"

namespace testing_support {

class RunTimeControl : public ::testing::Test {
 protected:
  void MakePanes(std::initializer_list<int32_t> widths) {
    platform.ambient.SetUserMode(true);
    platform.surface.SetScaleSize(400, 300);
    control.Initialize();
    control.InitProperties();
    auto& panes = *control.Panes();
    for (size_t i = 0; i < widths.size(); ++i) panes.Add();
    for (const panes::PanePtr& pane : panes.Items()) {
      pane->SetAppearance(0);
      pane->SetMinimum(150);
    }
    int position = 0;
    for (int32_t width : widths) panes.Items()[position++]->SetExtentPixels(panes::Dimension::X, width);
    panes.Relayout(false);
    platform.trace.Clear();
    platform.events.Clear();
    platform.accessibility.Clear();
  }
  int32_t Width(int position) const {
    return control.Panes()->Items()[position - 1]->ExtentPixels(panes::Dimension::X);
  }

  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

}  // namespace testing_support
