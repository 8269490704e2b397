#pragma once
// Controls on the simulated platform at run time, in a 400 x 300 window and in twips.
#include <gtest/gtest.h>

#include <initializer_list>

#include "sim/sim_platform.h"
#include "splitter/ov_splitter.h"

namespace testing_support {

// One control on its own platform, initialized but not yet given its properties.
struct ControlInstance {
  explicit ControlInstance(int pixelsPerInch = 96) : platform(pixelsPerInch) {
    platform.surface.SetScaleSize(400, 300);
    control.Initialize();
  }
  panes::OvPanes& Panes() const { return *control.Panes(); }
  panes::OvPane& Pane(int position) const { return *Panes().Items()[position - 1]; }
  int32_t Width(int position) const { return Pane(position).ExtentPixels(panes::Dimension::X); }
  // The pointer's events as the platform raises them, arguments by reference.
  void Down(int16_t button, float x, float y = 50, int16_t shift = 0) { control.MouseDown(button, shift, x, y); }
  void Move(int16_t button, float x, float y = 50, int16_t shift = 0) { control.MouseMove(button, shift, x, y); }
  void Up(int16_t button, float x, float y = 50, int16_t shift = 0) { control.MouseUp(button, shift, x, y); }

  host::sim::SimPlatform platform;
  splitter::OvSplitter control{platform.Site()};
};

// A new control with flat panes, each at least 10 pixels (150 twips): the given widths, and
// a last pane that takes the rest.
class RunTimeControl : public ::testing::Test, public ControlInstance {
 protected:
  void MakePanes(std::initializer_list<int32_t> widths) {
    control.InitProperties();
    for (size_t i = 0; i < widths.size(); ++i) Panes().Add();
    for (const panes::PanePtr& pane : Panes().Items()) {
      pane->SetAppearance(0);
      pane->SetMinimum(150);
    }
    int position = 1;
    for (int32_t width : widths) Pane(position++).SetExtentPixels(panes::Dimension::X, width);
    Panes().Relayout(false);
    platform.trace.Clear();
    platform.events.Clear();
    platform.accessibility.Clear();
  }
};

}  // namespace testing_support
