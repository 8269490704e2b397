#pragma once
// The splitter control: its pane collection, its splitter-wide settings and its lifecycle.
#include <cstdint>
#include <memory>

#include "host/control_site.h"
#include "panes/ov_panes.h"

namespace splitter {

enum OvAppearanceConstants : int32_t { OvFlat = 0, Ov3D = 1 };
enum OvBorderStyleConstants : int32_t { OvNone = 0, OvFixedSingle = 1 };
enum OvSplitterStyleConstants : int32_t { OvSplitterFlat = 0, OvSplitterRound = 1 };
enum OvOrientationConstants : int32_t { OvHorizontal = 0, OvVertical = 1 };

class OvSplitter {
 public:
  explicit OvSplitter(host::ControlSite site);
  ~OvSplitter();
  OvSplitter(const OvSplitter&) = delete;
  OvSplitter& operator=(const OvSplitter&) = delete;

  // Lifecycle, in the order the platform calls it.
  void Initialize();
  void InitProperties();
  void AmbientChanged(host::StringView name);
  void Terminate();

  const std::shared_ptr<panes::OvPanes>& Panes() const { return panes_; }
  int32_t Appearance() const { return appearance_; }
  int32_t BorderStyle() const { return borderStyle_; }
  int32_t SplitterStyle() const { return splitterStyle_; }
  int32_t SplitterSize() const { return splitterSize_; }
  int32_t Orientation() const { return orientation_; }
  int32_t WhatsThisHelpID() const { return whatsThisHelpId_; }
  int16_t BorderOffset() const { return borderOffset_; }
  bool IsReady() const { return ready_; }

 private:
  void UpdateClientArea();
  void UpdateScaleUnits();
  void SetPaneBounds();
  int32_t InnerExtent(float scaleExtent) const;

  host::ControlSite site_;
  std::shared_ptr<panes::OvPanes> panes_;
  bool ready_ = false;
  int32_t appearance_ = Ov3D;
  int32_t borderStyle_ = OvNone;
  int32_t splitterStyle_ = OvSplitterFlat;
  int32_t splitterSize_ = 3;
  int32_t orientation_ = OvHorizontal;
  int32_t whatsThisHelpId_ = 0;
  int16_t borderOffset_ = 0;
};

}  // namespace splitter
