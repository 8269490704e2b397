#pragma once
// One pane of the splitter: its extents in pixels, its name, key, appearance, minimum and
// bound control. Public reads and writes speak the host's units; the collection supplies
// orientation, unit factor and position.
#include <cstdint>
#include <memory>

#include "host/text.h"
#include "host/variant.h"

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
  int32_t Left() const;
  void SetLeft(int32_t value);
  int32_t Top() const;
  void SetTop(int32_t value);
  int32_t Width() const;
  void SetWidth(int32_t value);
  int32_t Height() const;
  void SetHeight(int32_t value);
  int32_t Appearance() const { return appearance_; }
  void SetAppearance(int32_t value);
  const host::Variant& Key() const { return key_; }
  void SetKey(const host::Variant& value);
  int32_t Index() const { return index_; }
  void SetIndexProperty(int32_t value);

  // Used by the collection, the drag and the control.
  void SetOwner(std::shared_ptr<OvPanes> owner) { owner_ = std::move(owner); }
  const std::shared_ptr<OvPanes>& Owner() const { return owner_; }
  void SetIndex(int32_t index) { index_ = index; }
  int32_t GetLeftPixels() const;
  int32_t GetTopPixels() const;
  int32_t GetWidthPixels() const;
  int32_t GetHeightPixels() const;
  void SetWidthPixels(int32_t pixels);
  void SetHeightPixels(int32_t pixels);
  int32_t GetMinimumPixels() const { return minimumPixels_; }
  int32_t GetPreviousWidthPixels() const { return previousWidthPixels_; }
  int32_t GetPreviousHeightPixels() const { return previousHeightPixels_; }
  // The stored extents, −1 standing for the full inner extent.
  int32_t WidthPixels() const { return widthPixels_; }
  int32_t HeightPixels() const { return heightPixels_; }

 private:
  bool IsThreeD() const { return appearance_ == OvPane3D; }
  double UnitsToPixels(int32_t units) const;
  // Pixels along one axis of a 3D-aware extent as written through Width or Height.
  int32_t ExtentFromUnits(int32_t units) const;
  void Notify(const char16_t* property);

  host::String name_;
  host::Variant key_;
  int32_t index_ = 0;
  int32_t appearance_ = OvPane3D;
  host::String controlName_;
  bool resizeChildControl_ = true;
  host::Variant tag_;
  int32_t minimumPixels_ = 10;
  int32_t widthPixels_ = 1500;
  int32_t heightPixels_ = 1500;
  int32_t previousWidthPixels_ = 0;
  int32_t previousHeightPixels_ = 0;
  std::shared_ptr<OvPanes> owner_;
};

using PanePtr = std::shared_ptr<OvPane>;

}  // namespace panes
