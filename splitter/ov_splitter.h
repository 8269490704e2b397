#pragma once
// The splitter control: its pane collection, its splitter-wide properties, its reactions
// to the collection's events, its layout and its lifecycle.
#include <cstdint>
#include <memory>
#include <optional>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "hook/kp_msg_hook.h"
#include "host/site/control_site.h"
#include "host/site/property_bag.h"
#include "host/site/picture.h"
#include "panes/ov_panes.h"
#include "splitter/accessible_tree.h"
#include "splitter/bar_keyboard.h"
#include "splitter/bar_value_watch.h"
#include "splitter/control_painter.h"

namespace splitter {

using panes::OvHorizontal;
using panes::OvOrientationConstants;
using panes::OvVertical;

// The control's events by dispatch id, as its event interface numbers them.
namespace events {
inline constexpr host::EventId Click{-600, u"Click"};
inline constexpr host::EventId DblClick{-601, u"DblClick"};
inline constexpr host::EventId MouseDown{-605, u"MouseDown"};
inline constexpr host::EventId MouseMove{-606, u"MouseMove"};
inline constexpr host::EventId MouseUp{-607, u"MouseUp"};
inline constexpr host::EventId SplitterResize{7, u"SplitterResize"};
inline constexpr host::EventId Resize{8, u"Resize"};
inline constexpr host::EventId PaneCollapsedChanged{9, u"PaneCollapsedChanged"};
}  // namespace events

class OvSplitter : private panes::PanesListener, private hook::KpMsgHookListener {
 public:
  explicit OvSplitter(host::ControlSite site);
  ~OvSplitter() override;
  OvSplitter(const OvSplitter&) = delete;
  OvSplitter& operator=(const OvSplitter&) = delete;

  // Lifecycle, as the platform calls it.
  void Initialize();
  void InitProperties();
  // A saved control: the host hands its bag instead of calling InitProperties. A failing
  // step ends loading there, the control left unready with the panes read so far.
  void ReadProperties(host::PropertyBag& bag);
  // Saving changes nothing and notifies nothing.
  void WriteProperties(host::PropertyBag& bag) const;
  // The host could not read the saved record at all: the control stays as a load that
  // failed at its first step leaves it.
  void LoadFailed() { ready_ = false; }
  void Show();
  void Resize();
  void AmbientChanged(host::StringView name);
  void Terminate();
  void Click();
  void DblClick();
  // The host's mouse notifications: Button (1 left, 2 right, 4 or through the hook 16
  // middle; for a move the buttons held), Shift (1 Shift, 2 Ctrl, 4 Alt), X and Y in pixels
  // of the client area. Passed on by reference to the events they raise.
  void MouseDown(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseMove(int16_t& button, int16_t& shift, float& x, float& y);
  void MouseUp(int16_t& button, int16_t& shift, float& x, float& y);
  // The control lost the mouse capture to another window, or the user pressed Esc: a drag
  // under way ends without resizing anything, its feedback erased; the next press starts
  // afresh.
  void CancelDrag();
  // At run time, once per control: the hook reports the mouse move and the left button's
  // press and release of the control's window instead of passing them on, whenever its
  // subclassing is on (while the control holds the capture).
  void RegisterHookedMouseMessages();
  const hook::KpMsgHook& MessageHook() const { return *KpMsgHook1; }
  // The bars and panes as assistive tools read them.
  AccessibleTree Accessible() const { return AccessibleTree(panes_.get(), {KeyboardActive(), FocusedBar()}); }
  // The pane before the bar last found under the pointer.
  const panes::PanePtr& HotPane() const { return hotPane_; }

  // The control's window got or lost the keyboard focus.
  void FocusIn();
  void FocusOut();
  // A key for the control's window, Shift held or not. Esc ends a mouse drag; with
  // keyboard operation on, at run time, the bars take their keys first.
  BarKey KeyDown(int32_t key, bool shift);
  // Whether Tab (Shift+Tab with shift) moves between the bars instead of leaving the control.
  bool WantsTab(bool shift) const;
  // The bar that shows the focus mark, when one does.
  std::optional<size_t> FocusedBar() const;
  bool KeyboardMoving() const { return keyboard_.Moving(); }
  // Whether Enter is the focused bar's: it applies a move or collapses a pane.
  bool WantsEnter() const;

  // Public properties.
  const std::shared_ptr<panes::OvPanes>& Panes() const { return panes_; }
  host::WindowHandle Hwnd() const { return site_.surface.Hwnd(); }
  host::OleColor BackColor() const { return site_.surface.BackColor(); }
  void SetBackColor(host::OleColor color);
  bool Enabled() const { return site_.surface.Enabled(); }
  void SetEnabled(bool enabled);
  const host::PictureRef& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(host::PictureRef icon);
  // The pointer the surface shows now: 99 while the mouse is over a bar, else the last one
  // given, which is also what is saved.
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

  // Keyboard operation of the bars; off, the control is no tab stop and ignores the keys.
  bool SplitterKeyboard() const { return keyboard_.Enabled(); }
  void SetSplitterKeyboard(bool on);
  int32_t SplitterIncrement() const { return keyboard_.Increment(); }
  void SetSplitterIncrement(int32_t pixels);
  // Pixels beyond each side of a bar that still grip it, at 96 pixels per inch; the
  // collection owns it.
  int32_t SplitterGrabSize() const { return panes_->GetGrabSize(); }
  void SetSplitterGrabSize(int32_t pixels);
  // Live drags: the panes and their bound controls follow the bar instead of an inverted
  // feedback bar; the collection owns it.
  bool LiveDrag() const { return panes_->LiveDrag(); }
  void SetLiveDrag(bool live);
  // How the panes meet a change of the control's size; the collection owns it.
  int32_t ResizeMode() const { return panes_->ResizeMode(); }
  void SetResizeMode(int32_t mode);
  // The saved record's format: the first one while every later property is at its default,
  // so that older readers still read it.
  uint16_t RecordVersion() const;
  // The screen's pixels per inch changed (the window moved to another monitor, or the
  // system's setting): every pixel length follows, the panes are laid out and painted once.
  void ResolutionChanged(int previousPixelsPerInch);

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
  void Added(panes::PanePtr& pane) override;
  void Removed(panes::PanePtr& pane) override;
  void Changed(panes::PanePtr& pane, host::String& property) override;
  void SplitterResized(panes::PanePtr& pane, panes::PanePtr& nextPane) override;
  void BarFollowed() override;

  void ReadPaneRecords(host::PropertyBag& bag);
  // A pixel length read from a bag, measured at the bag's resolution, at the screen's.
  int32_t FromSavedPixels(int32_t pixels) const;
  void WritePaneRecords(host::PropertyBag& bag) const;
  void Notify(const char16_t* property) { site_.propertyChanges.PropertyChanged(property); }
  void ReLayout();
  void SetPaneBounds();
  void CommonEnding();
  void ReportPanesChanged();
  // The release of a drag or Enter after keyboard moves: the pane before the bar and its
  // neighbour take their new extents.
  void FinishBarMove(panes::PanePtr& pane);
  void SetGrabSizeChecked(int32_t pixels);
  void SetResizeModeChecked(int32_t mode);
  // Keyboard operation on or off, the tab stop following, without a notification.
  void SetKeyboardEnabled(bool on);
  bool KeyboardActive() const { return keyboard_.Enabled() && site_.ambient.UserMode(); }
  // The focus mark went to another bar: painted, and told to assistive tools.
  void MarkMoved();
  // Tells assistive tools of the bars that moved since they last heard.
  void ReportBarValues();
  void ReportChildrenChanged();
  void RaiseSplitterResize(const panes::PanePtr& first, const panes::PanePtr& second);
  void Raise(const host::EventId& event);
  int32_t InnerExtent(float scaleExtent) const;
  void PlaceBoundControls(const panes::OvPane& pane, host::ContainedControl& control);
  void PlaceWindow(const panes::OvPane& pane, host::WindowHandle window);
  using ControlsByName = std::unordered_map<host::String, std::vector<host::ContainedControl*>>;
  // The controls by name without case, each name's controls in the host's order.
  ControlsByName ByName(const std::vector<host::ContainedControlRef>& controls);

  enum class CaptureMode : uint8_t { Track = 0, Press = 1, Release = 2 };
  void HitTestSplitters(float x, float y);
  bool TrackMouseCapture(float x, float y, int16_t button, CaptureMode mode);
  void CallBack(host::WindowHandle hWnd, uint32_t lMsg, host::WParam wParam, host::LParam lParam) override;
  void DispatchHookedMouse(uint32_t lMsg, host::WParam wParam, host::LParam lParam);
  static int16_t ButtonsFromKeyFlags(host::WParam wParam);
  int16_t ShiftFromKeyFlags(host::WParam wParam);
  host::WindowHandle GetTopParentHwnd() const;
  void ActivateTopParent();
  void RaiseMouse(const host::EventId& event, int16_t& button, int16_t& shift, float& x, float& y);

  // The hook's own property changes concern nobody: it is private to the control.
  struct IgnoredChanges : host::PropertyChangeSink {
    void PropertyChanged(host::StringView) override {}
  };

  host::ControlSite site_;
  IgnoredChanges hookChanges_;
  std::unique_ptr<hook::KpMsgHook> KpMsgHook1;
  std::shared_ptr<panes::OvPanes> panes_;
  panes::PanePtr hotPane_;
  bool splitterCursorOn_ = false;
  bool isCaptured_ = false;
  bool ready_ = false;
  ControlLook look_;
  host::PictureRef splitterMouseIcon_;
  int32_t whatsThisHelpId_ = 0;
  int32_t mousePointer_ = 0;
  host::PictureRef mouseIcon_;
  ControlPainter painter_;
  BarKeyboard keyboard_;
  bool hasFocus_ = false;
  int32_t savedPixelsPerInch_ = 96;
  // Bound windows hidden with their collapsed panes, shown again when they come back.
  std::unordered_set<host::WindowHandle> hiddenWindows_;
  // The bound windows of a live drag, found at its first frame: the container's controls
  // do not change while the mouse drags.
  std::optional<std::unordered_map<host::String, std::vector<host::WindowHandle>>> liveWindows_;
  BarValueWatch barWatch_;
};

}  // namespace splitter
