#pragma once
// Fixture: a new splitter on a "Twip" site, 320 x 240 pixels, horizontal, SplitterSize 3,
// no border (panes start at 0), reached only through late binding.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "automation/dispatch_client.h"
#include "event_recorder.h"
#include "automation/splitter_instance.h"

inline constexpr long kTwipsPerPixel = 15;

// A 3D pane's public rectangle lies inside its 2-pixel frame.
inline long InnerTwips3D(long pixels) { return (pixels - 4) * kTwipsPerPixel; }
inline long OffsetTwips3D(long pixels) { return (pixels + 2) * kTwipsPerPixel; }

class SplitterTest : public ::testing::Test {
 protected:
  explicit SplitterTest(SplitterOptions options = {}) : options_(std::move(options)) {}

  void SetUp() override {
    splitter_ = std::make_unique<SplitterInstance>(options_);
    panes_ = splitter_->Panes();
  }

  void TearDown() override {
    if (recorder_) {
      recorder_->Disconnect();
      recorder_->Release();
      recorder_ = nullptr;
    }
    panes_.Reset();
    splitter_.reset();
  }

  DispatchClient Pane(long position) const { return panes_.Object(L"Item", position); }
  long Count() const { return panes_.Get(L"Count").AsLong(); }
  DispatchClient Add() const { return DispatchClient::From(panes_.Call(L"Add")); }

  std::vector<std::wstring> Names() const {
    std::vector<std::wstring> names;
    for (long i = 1, n = Count(); i <= n; ++i) names.push_back(Pane(i).Get(L"Name").AsString());
    return names;
  }

  EventRecorder& Record() {
    if (!recorder_) {
      recorder_ = EventRecorder::Create();
      recorder_->Connect(panes_.Pointer());
    }
    recorder_->Clear();
    return *recorder_;
  }

  SplitterOptions options_;
  std::unique_ptr<SplitterInstance> splitter_;
  DispatchClient panes_;
  EventRecorder* recorder_ = nullptr;
};
