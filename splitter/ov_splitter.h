#pragma once
// The splitter control: its pane collection, its splitter-wide properties, its reactions
// to the collection's events, its layout and its lifecycle.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/control_site.h"
#include "host/picture.h"
#include "panes/ov_panes.h"
#include "splitter/control_painter.h"

namespace splitter {

enum OvAppearanceConstants : int32_t { OvFlat = 0, Ov3D = 1 };
enum OvBorderStyleConstants : int32_t { OvNone = 0, OvFixedSingle = 1 };
enum OvSplitterStyleConstants : int32_t { OvSplitterFlat = 0, OvSplitterRound = 1 };
enum OvOrientationConstants : int32_t { OvHorizontal = 0, OvVertical = 1 };

// The control's events by dispatch id, as its event interface numbers them.
namespace events {
inline constexpr host::EventId Click{-600, u"Click"};
inline constexpr host::EventId DblClick{-601, u"DblClick"};
inline constexpr host::EventId SplitterResize{7, u"SplitterResize"};
inline constexpr host::EventId Resize{8, u"Resize"};
}  // namespace events

class OvSplitter : private panes::PanesListener {
 public:
  explicit OvSplitter(host::ControlSite site);
  ~OvSplitter() override;
  OvSplitter(const OvSplitter&) = delete;
  OvSplitter& operator=(const OvSplitter&) = delete;

  // Lifecycle, as the platform calls it.
  void Initialize();
  void InitProperties();
  void Show();
  void Resize();
  void AmbientChanged(host::StringView name);
  void Terminate();
  void Click();
  void DblClick();

  // Public properties.
  const std::shared_ptr<panes::OvPanes>& Panes() const { return panes_; }
  host::WindowHandle Hwnd() const { return site_.surface.Hwnd(); }
  host::OleColor BackColor() const { return site_.surface.BackColor(); }
  void SetBackColor(host::OleColor color);
  bool Enabled() const { return site_.surface.Enabled(); }
  void SetEnabled(bool enabled);
  const host::PictureRef& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(host::PictureRef icon);
  int32_t MousePointer() const { return site_.surface.MousePointer(); }
  void SetMousePointer(int32_t pointer);
  int32_t OLEDropMode() const { return site_.surface.OLEDropMode(); }
  void SetOLEDropMode(int32_t mode);
  void OLEDrag() { site_.surface.OLEDrag(); }
  int32_t Appearance() const { return appearance_; }
  void SetAppearance(int32_t value);
  int32_t BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(int32_t value);
  const host::PictureRef& SplitterMouseIcon() const { return splitterMouseIcon_; }
  void SetSplitterMouseIcon(host::PictureRef icon);
  int32_t SplitterStyle() const { return splitterStyle_; }
  void SetSplitterStyle(int32_t value);
  int32_t SplitterSize() const { return splitterSize_; }
  void SetSplitterSize(int32_t value);
  int32_t Orientation() const { return orientation_; }
  void SetOrientation(int32_t value);
  int32_t WhatsThisHelpID() const { return whatsThisHelpId_; }
  void SetWhatsThisHelpID(const host::Variant& value);
  // The names of the contained controls, or nothing when one of them cannot be read.
  std::optional<std::vector<host::String>> GetContainedControls() const;

  int16_t BorderOffset() const { return borderOffset_; }
  bool IsReady() const { return ready_; }

  // Layout and painting, also run by the platform's notifications.
  void UpdateClientArea();
  void UpdateScaleUnits();
  void MoveChildControls();
  void RefreshChildControls();
  void Redraw();
  // The same picture into another device context, such as a container's.
  void RedrawInto(host::GdiHandle target);

 private:
  void PaneAdded(panes::PanePtr& pane) override;
  void PaneRemoved(panes::PanePtr pane) override;
  void PaneChanged(panes::PanePtr& pane, host::String& property) override;
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) override;

  void Notify(const char16_t* property) { site_.propertyChanges.PropertyChanged(property); }
  void ReLayout();
  void SetPaneBounds();
  void ExchangeSize(const panes::PanePtr& pane);
  void CommonEnding();
  void ReportPanesChangedInDesigner();
  void RaiseSplitterResize(const panes::PanePtr& first, const panes::PanePtr& second);
  void Raise(const host::EventId& event);
  int32_t InnerExtent(float scaleExtent) const;
  void PlaceBoundControls(const panes::OvPane& pane, host::ContainedControl& control);

  host::ControlSite site_;
  std::shared_ptr<panes::OvPanes> panes_;
  bool ready_ = false;
  int32_t appearance_ = Ov3D;
  int32_t borderStyle_ = OvNone;
  host::PictureRef splitterMouseIcon_;
  int32_t splitterStyle_ = OvSplitterFlat;
  int32_t splitterSize_ = 3;
  int32_t orientation_ = OvHorizontal;
  int32_t whatsThisHelpId_ = 0;
  int32_t mousePointer_ = 0;
  host::PictureRef mouseIcon_;
  int16_t borderOffset_ = 0;
  ControlPainter painter_;
};

}  // namespace splitter
