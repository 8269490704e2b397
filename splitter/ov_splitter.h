#pragma once
// The splitter control: its pane collection, its splitter-wide properties, its reactions
// to the collection's events, its layout and its lifecycle.
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "host/site/control_site.h"
#include "host/site/picture.h"
#include "panes/ov_panes.h"
#include "splitter/control_painter.h"

namespace splitter {

using panes::OvHorizontal;
using panes::OvOrientationConstants;
using panes::OvVertical;

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
  int32_t Appearance() const { return look_.appearance; }
  void SetAppearance(int32_t value);
  int32_t BorderStyle() const { return look_.borderStyle; }
  void SetBorderStyle(int32_t value);
  const host::PictureRef& SplitterMouseIcon() const { return splitterMouseIcon_; }
  void SetSplitterMouseIcon(host::PictureRef icon);
  int32_t SplitterStyle() const { return look_.splitterStyle; }
  void SetSplitterStyle(int32_t value);
  // Bar size, orientation and border offset belong to the pane collection.
  int32_t SplitterSize() const { return panes_->GetSplitterSize(); }
  void SetSplitterSize(int32_t value);
  int32_t Orientation() const { return panes_->GetOrientation(); }
  void SetOrientation(int32_t value);
  int32_t WhatsThisHelpID() const { return whatsThisHelpId_; }
  void SetWhatsThisHelpID(const host::Variant& value);
  // The names of the contained controls, or nothing when one of them cannot be read.
  std::optional<std::vector<host::String>> GetContainedControls() const;

  int16_t BorderOffset() const { return panes_->GetBorderOffset(); }
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
  ControlLook look_;
  host::PictureRef splitterMouseIcon_;
  int32_t whatsThisHelpId_ = 0;
  host::PictureRef mouseIcon_;
  ControlPainter painter_;
};

}  // namespace splitter
