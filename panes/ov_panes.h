#pragma once
// The ordered collection of panes and the pane model's shared state: orientation, bar
// size, border offset, inner size and unit factor. It lays the panes out and raises the
// collection's events to its listeners.
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "host/keyed_list.h"
#include "host/screen.h"
#include "host/text.h"
#include "host/variant.h"
#include "panes/axis.h"
#include "panes/c_splitter.h"
#include "panes/ov_pane.h"
#include "panes/pane_layout.h"

namespace panes {

// How the panes meet a change of the inner size: the last pane takes all of it, or the
// panes that are not fixed share it in proportion to their extents.
enum OvResizeModeConstants : int32_t { OvResizeLast = 0, OvResizeProportional = 1 };

// Receives the collection's events. Arguments are by reference so that a handler's writes
// reach the raiser, as the form languages pass them.
class PanesListener : public host::KeyedCollectionListener<OvPane> {
 public:
  virtual void SplitterResized(PanePtr& pane, PanePtr& nextPane) {}
  // A live drag moved the bar (or ended without a result): the panes are where it puts them.
  virtual void BarFollowed() {}
};

// Count, Item, Clear, the listeners and the key rules come from KeyedCollection.
class OvPanes : public host::KeyedCollection<OvPanes, OvPane, PanesListener> {
 public:
  static std::shared_ptr<OvPanes> Create(host::Screen screen = host::Screen());

  // Public interface. Arguments left out by the caller are Variant::Missing().
  PanePtr Add(const host::Variant& index = host::Variant::Missing(),
              const host::Variant& key = host::Variant::Missing(),
              const host::Variant& appearance = host::Variant::Missing(),
              const host::Variant& controlName = host::Variant::Missing());
  // The last pane then reaches the inner edge again.
  void Remove(const host::Variant& index);

  // Drops every pane without events: the control is going away.
  void Detach() { DropAll(); }

  // Settings from the control. The collection owns orientation, bar size and border
  // offset; the control reads them back from here.
  void SetOrientation(int16_t orientation);
  int16_t GetOrientation() const { return orientation_; }
  const Axis& GetAxis() const { return axis_; }
  void SetSplitterSize(int32_t size);
  int32_t GetSplitterSize() const { return splitterSize_; }
  void SetBorderOffset(int16_t offset) {
    borderOffset_ = offset;
    InvalidatePositions();
  }
  int16_t GetBorderOffset() const { return borderOffset_; }
  void SetUnitsPerPixel(int16_t factor) { unitsPerPixel_ = factor; }
  int16_t GetUnitsPerPixel() const { return unitsPerPixel_; }
  // The pane area inside the border, in pixels; the panes are not laid out again.
  void SetInnerSize(XY<int32_t> size) {
    parent_ = size;
    InvalidatePositions();
  }
  int32_t ParentExtent(Dimension d) const { return parent_[d]; }
  void SetParentHwnd(std::uintptr_t hwnd) { bar_.SetParentHwnd(hwnd); }
  // Where the drag draws its feedback.
  void SetPointerServices(host::PointerServices* pointer) { bar_.SetPointerServices(pointer); }
  const CSplitter& Bar() const { return bar_; }
  CSplitter& Bar() { return bar_; }
  const host::Screen& GetScreen() const { return screen_; }
  // The screen's resolution changed: the bars' grip, a new pane's minimum and the lines of
  // the frames follow it.
  void SetScreen(const host::Screen& screen);
  // Pixels beyond each side of a bar that still grip it, given at 96 pixels per inch.
  int32_t GetGrabSize() const { return grabSize_; }
  void SetGrabSize(int32_t pixelsAt96);
  // Kept as given: the control checks the value.
  void SetResizeMode(int32_t mode);
  int32_t ResizeMode() const { return resizeMode_; }
  // Pixels of one line of a frame (1 at 96 pixels per inch); a 3D pane's frame is two.
  int32_t LineWidth() const { return line_; }
  int32_t PaneFrame(bool threeD) const { return threeD ? 2 * line_ : 0; }

  // Geometry.
  // Add with every argument left out, the new pane taking the given extent along the axis (0:
  // the collection chooses, as for any Add) and first the given minimum in container units,
  // so that an extent below the default minimum can be given; neither outlives the call.
  PanePtr AddSized(int32_t extentPixels, std::optional<int32_t> minimumUnits = std::nullopt);
  // The inner size changed: the feedback bar spans it across and the last pane reaches its
  // edge again.
  void SetBounds(int32_t width, int32_t height);
  // Along the axis the pane's start; across it the border offset. A pane not in the
  // list is at 0.
  int32_t PanePositionPixels(const OvPane& pane, Dimension d) const;
  // Where every pane lies, computed again only after a change.
  const PaneLayout& Layout() const;
  // The same for another inner size: the one the control paints in. Kept until the next
  // change or another size, so a repaint at the panes' own size computes nothing.
  const PaneLayout& LayoutWithin(XY<double> inner) const;
  // Fits the panes to the inner size by the resize mode: the last pane not collapsed takes
  // the extent that reaches the inner edge (never below its minimum), or every pane its share
  // of the extents last asked for. When asked and there are two panes or more, raises
  // SplitterResized for the last two.
  void Relayout(bool raise);
  void EqualizePanes();
  void AddFirstPane();
  PanePtr PaneAtPoint(float x, float y) const;

  // The drag of the bar after `pane` (Nothing: no bar, nothing happens). The press starts
  // the feedback, the moves move it inside the two panes' outer edges, the release gives
  // the two panes their new extents, each at least its minimum, and raises SplitterResized.
  void SplitterMouseDown(PanePtr& pane, float x, float y);
  void SplitterMouseMove(PanePtr& pane, float x, float y);
  void SplitterMouseUp(PanePtr& pane);
  // Ends a drag under way with its feedback erased and no pane changed; false when none was.
  // A live drag gives the pair back the extents it had at the press.
  bool CancelSplitterDrag();
  // Live drags: each move gives the pair the extents a release there would.
  void SetLiveDrag(bool live) { bar_.SetLive(live); }
  bool LiveDrag() const { return bar_.Live(); }
  // The keyboard's move of the bar after `pane`: a drag whose press lies on the bar's
  // leading edge. MoveBarTo moves its feedback (kept inside the drag range, as the mouse's
  // is), SplitterMouseUp applies it and CancelSplitterDrag drops it.
  void BeginBarMove(PanePtr& pane);
  void MoveBarTo(PanePtr& pane, int64_t along);
  // Where the feedback of that move lies along the axis: the bar's own place before a move.
  int64_t BarMovePosition(const OvPane& pane) const;

  // Collapses or restores the pane. With giveRoom its room goes to (or comes back from) the
  // nearest pane not collapsed, after it when `forward` and there is one, else before it;
  // without, only the state changes (a load, whose extents already account for it). No
  // notification: the caller sends it.
  void SetCollapsed(OvPane& pane, bool collapsed, bool giveRoom, bool forward = true);
  // The pane that a double click or Enter on the bar after pane k (0-based) collapses and
  // restores: the pane before the bar when it is collapsible, else the one after it when that
  // is; null for neither.
  PanePtr CollapseTarget(size_t bar) const;
  // Collapses or restores CollapseTarget(bar), with its notification; false for none.
  bool ToggleCollapse(size_t bar);

  // The size exchange of a script's Width or Height: the pane takes `extent` and the pair it
  // forms with its neighbour keeps its total (ExchangePartners).
  void ExchangeExtent(OvPane& pane, int32_t extent);
  // The pane and the one after it, or for the last pane the one before it and the pane.
  std::pair<PanePtr, PanePtr> ExchangePartners(const OvPane& pane) const;

  // Positions are computed again when next asked.
  void InvalidatePositions() { layout_.reset(); }
  // A pane's extent changed by other means than the resize policy: the extents it shares
  // next are the ones held then.
  void ExtentsChanged() {
    InvalidatePositions();
    requested_.clear();
  }

 private:
  explicit OvPanes(const host::Screen& screen) { SetScreen(screen); }
  void ListChanged() override { ExtentsChanged(); }
  PanePtr PaneAt(int32_t position) const { return Item(host::Variant(position)); }
  void SizeNewPane(OvPane& pane, bool hasIndex, int32_t position);
  // Each pane as the layout and the resize policy read it, its extent as it holds it.
  std::vector<PaneInput> Inputs() const;
  // The release rule: the pane before the bar and the next one take the extents that the
  // bar's leading edge at `value` gives them.
  // A collapsible pane dragged past half its minimum collapses; a collapsed one dragged out
  // comes back. The collapsed states change without a notification.
  void PlaceBarAt(OvPane& pane, int32_t value);
  // PlaceBarAt, then the notification of each pane of the pair whose collapsed state changed.
  void ReleaseBarAt(OvPane& pane, int32_t value);
  // A live drag's pair back at the press; Restore also ends the live drag.
  void PutBackPressExtents();
  void RestorePressExtents();
  // The feedback bar: the bar size along the axis, the given extent across it.
  void SizeBar(int32_t across);

  mutable std::optional<PaneLayout> layout_;
  mutable XY<double> layoutInner_;
  int16_t orientation_ = OvHorizontal;
  Axis axis_ = Axis::Of(OvHorizontal);
  int32_t splitterSize_ = 0;
  int16_t borderOffset_ = 0;
  XY<int32_t> parent_;
  int16_t unitsPerPixel_ = 0;
  std::optional<int32_t> initialExtent_;
  std::optional<int32_t> initialMinimum_;
  // The pair of a live drag and their extents at the press.
  PanePtr livePane_, liveNext_;
  int32_t livePaneExtent_ = 0, liveNextExtent_ = 0;
  bool livePaneCollapsed_ = false, liveNextCollapsed_ = false;
  int32_t resizeMode_ = OvResizeLast;
  // The extents the proportional policy shares, one per pane; empty when they are to be
  // taken from the panes afresh.
  std::vector<int32_t> requested_;
  CSplitter bar_;
  host::Screen screen_;
  int32_t grabSize_ = 2;
  int32_t grip_ = 2;
  int32_t line_ = 1;
  int32_t defaultMinimum_ = 10;
};

}  // namespace panes
