#pragma once
// One pane of the splitter: its extents in pixels, its name, key, appearance, minimum and
// bound control. Public reads and writes speak the host's units; the collection supplies
// orientation, unit factor and position.
#include <cstdint>
#include <memory>

#include "host/text.h"
#include "host/variant.h"
#include "panes/axis.h"

namespace panes {

class OvPanes;

enum OvPaneAppearanceConstants : int32_t { OvPaneFlat = 0, OvPane3D = 1 };

class OvPane : public host::Object, public std::enable_shared_from_this<OvPane> {
 public:
  // Public interface, as clients see it.
  bool ResizeChildControl() const { return resizeChildControl_; }
  void SetResizeChildControl(bool value);
  int32_t Minimum() const;
  void SetMinimum(int32_t value);
  const host::String& ControlName() const { return controlName_; }
  void SetControlName(const host::String& value);
  const host::Variant& Tag() const { return tag_; }
  void SetTagReference(const host::Variant& value);  // Set: stored as given
  void SetTag(const host::Variant& value);           // Let: a repeated equal value is ignored
  const host::String& Name() const { return name_; }
  void SetName(const host::String& value);
  int32_t Left() const { return Position(Dimension::X); }
  void SetLeft(int32_t) { RejectPositionWrite(Dimension::X); }
  int32_t Top() const { return Position(Dimension::Y); }
  void SetTop(int32_t) { RejectPositionWrite(Dimension::Y); }
  int32_t Width() const { return Extent(Dimension::X); }
  void SetWidth(int32_t value) { SetExtent(Dimension::X, value); }
  int32_t Height() const { return Extent(Dimension::Y); }
  void SetHeight(int32_t value) { SetExtent(Dimension::Y, value); }
  int32_t Appearance() const { return appearance_; }
  void SetAppearance(int32_t value);
  const host::Variant& Key() const { return key_; }
  void SetKey(const host::Variant& value);
  int32_t Index() const { return index_; }
  void SetIndexProperty(int32_t value);
  // Limits and resize policy. Maximum 0 is none; Fixed keeps the extent when the
  // proportional policy shares a change of the container's size.
  int32_t Maximum() const;
  void SetMaximum(int32_t value);
  bool Fixed() const { return fixed_; }
  void SetFixed(bool value);
  // A collapsed pane takes no room, keeps its extent for its return and keeps its bar;
  // Collapsible lets the user collapse it with the bar (code may collapse any pane).
  bool Collapsible() const { return collapsible_; }
  void SetCollapsible(bool value);
  bool Collapsed() const { return collapsed_; }
  void SetCollapsed(bool value);
  // Written only by the collection's list, which keeps it equal to the position.
  void SetIndex(int32_t index) { index_ = index; }

  // In client pixels, for the collection and the control.
  // The extent along d as the pane holds it (a collapsed pane its extent for its return): a
  // stored 0 stands for the collection's inner extent; kWholeExtent is returned as it is.
  int32_t ExtentPixels(Dimension d) const;
  // Below the minimum fails along the collection's axis; across it any value is taken.
  void SetExtentPixels(Dimension d, int32_t pixels);
  // Extents and minimum measured again at another resolution (pixels times to / from),
  // without a notification: the physical lengths stay.
  void ScaleLengths(int to, int from);
  int32_t MinimumPixels() const { return minimumPixels_; }
  int32_t MaximumPixels() const { return maximumPixels_; }
  // The rectangle inside the pane's frame: where its bound control goes, and what Left,
  // Top, Width and Height report in twips.
  XY<int32_t> ContentOrigin() const;
  XY<int32_t> ContentSize() const;

  // Across the axis a pane normally spans the collection's whole inner extent.
  static constexpr int32_t kWholeExtent = -1;

 private:
  friend class OvPanes;  // keeps the index and owner, and exchanges extents
  void SetOwner(const std::shared_ptr<OvPanes>& owner) { owner_ = owner; }
  // The collection, or for a pane that outlived it an empty one with default settings:
  // the pane keeps its values and reports to no one.
  std::shared_ptr<OvPanes> Owner() const;

  bool IsThreeD() const { return appearance_ == OvPane3D; }
  const Axis& CollectionAxis() const;
  double UnitsToPixels(int32_t units) const;
  int32_t Position(Dimension d) const;
  [[noreturn]] void RejectPositionWrite(Dimension d) const;
  int32_t Extent(Dimension d) const;
  void SetExtent(Dimension d, int32_t units);
  // A length in container units as a limit in pixels: negative fails, 0 stays 0.
  double LimitPixels(const char16_t* name, int32_t units) const;
  void Notify(const char16_t* property);

  host::String name_;
  host::Variant key_;
  int32_t index_ = 0;
  int32_t appearance_ = OvPane3D;
  host::String controlName_;
  bool resizeChildControl_ = true;
  host::Variant tag_;
  int32_t minimumPixels_ = 10;
  int32_t maximumPixels_ = 0;
  bool fixed_ = false;
  bool collapsible_ = false;
  bool collapsed_ = false;
  XY<int32_t> extentPixels_{1500, 1500};
  std::weak_ptr<OvPanes> owner_;
};

using PanePtr = std::shared_ptr<OvPane>;

}  // namespace panes
