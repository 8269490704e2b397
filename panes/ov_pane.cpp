#include "panes/ov_pane.h"

#include "host/error.h"
#include "panes/ov_panes.h"

namespace panes {

using host::Error;
namespace err = host::err;

void OvPane::Notify(const char16_t* property) { owner_->NotifyPaneChanged(*this, property); }

double OvPane::UnitsToPixels(int32_t units) const {
  int16_t factor = owner_->GetUnitsPerPixel();
  if (factor == 0) throw Error::Runtime(err::kDivisionByZero);
  return static_cast<double>(units) / factor;
}

void OvPane::SetResizeChildControl(bool value) {
  resizeChildControl_ = value;
  Notify(u"ResizeChildControl");
}

int32_t OvPane::Minimum() const {
  return host::NearestLong(static_cast<double>(minimumPixels_) * owner_->GetUnitsPerPixel());
}

void OvPane::SetMinimum(int32_t value) {
  if (value < 0) throw Error::Component(err::kOutOfRange, u"Minimum must be greater than 0.");
  double pixels = UnitsToPixels(value);
  bool horizontal = owner_->IsHorizontal();
  int32_t extent = horizontal ? widthPixels_ : heightPixels_;
  if (pixels > extent && extent > 0)
    throw Error::Component(err::kInvalidValue, host::String(u"Minimum must be less than or equal to ") +
                                                   (horizontal ? u"Width" : u"Height") + u".");
  minimumPixels_ = host::NearestLong(pixels);
  Notify(u"Minimum");
}

void OvPane::SetControlName(const host::String& value) {
  controlName_ = value;
  Notify(u"ControlName");
}

void OvPane::SetTagReference(const host::Variant& value) {
  tag_ = value;
  Notify(u"Tag");
}

void OvPane::SetTag(const host::Variant& value) {
  if (!tag_.IsObject() && host::VariantEquals(tag_, value)) return;
  tag_ = value;
  Notify(u"Tag");
}

void OvPane::SetName(const host::String& value) {
  name_ = value;
  Notify(u"Name");
}

int32_t OvPane::Left() const {
  double pixels = GetLeftPixels() + (IsThreeD() ? 2 : 0);
  return host::NearestLong(pixels * owner_->GetScreen().TwipsPerPixelX());
}

int32_t OvPane::Top() const {
  double pixels = GetTopPixels() + (IsThreeD() ? 2 : 0);
  return host::NearestLong(pixels * owner_->GetScreen().TwipsPerPixelY());
}

void OvPane::SetLeft(int32_t) { throw Error::Component(err::kReadOnly, u"Left is Read-Only at runtime."); }

void OvPane::SetTop(int32_t) { throw Error::Component(err::kReadOnly, u"Top is Read-Only at runtime."); }

int32_t OvPane::ExtentFromUnits(int32_t units) const {
  double pixels = UnitsToPixels(units);
  double extent = pixels >= minimumPixels_ ? host::RoundHalfEven(pixels) : minimumPixels_;
  return host::NearestLong(extent + (IsThreeD() ? 4 : 0));
}

void OvPane::SetWidth(int32_t value) {
  if (!owner_->IsHorizontal()) throw Error::Component(err::kReadOnly, u"Width is read-only at runtime.");
  if (owner_->Count() == 1)
    throw Error::Component(err::kOutOfRange, u"Width is read-only when there is only 1 Pane.");
  int32_t pixels = ExtentFromUnits(value);
  widthPixels_ = pixels;
  owner_->InvalidatePositions();
  // The handler of this change reads the old width from PreviousWidthPixels.
  Notify(u"Width");
  previousWidthPixels_ = pixels;
}

void OvPane::SetHeight(int32_t value) {
  if (owner_->IsHorizontal()) throw Error::Component(err::kReadOnly, u"Height is read-only at runtime.");
  if (owner_->Count() == 1)
    throw Error::Component(err::kOutOfRange, u"Height is read-only when there is only 1 Pane.");
  int32_t pixels = ExtentFromUnits(value);
  heightPixels_ = pixels;
  owner_->InvalidatePositions();
  Notify(u"Height");
  previousHeightPixels_ = pixels;
}

int32_t OvPane::Width() const {
  double pixels = widthPixels_ == -1 ? owner_->GetParentWidth() : widthPixels_;
  if (IsThreeD()) pixels -= 4;
  if (!owner_->IsHorizontal() && pixels < 0) pixels = 0;
  return host::NearestLong(pixels * owner_->GetScreen().TwipsPerPixelX());
}

int32_t OvPane::Height() const {
  double pixels = heightPixels_ == -1 ? owner_->GetParentHeight() : heightPixels_;
  if (IsThreeD()) pixels -= 4;
  if (owner_->IsHorizontal() && pixels < 0) pixels = 0;
  return host::NearestLong(pixels * owner_->GetScreen().TwipsPerPixelY());
}

void OvPane::SetAppearance(int32_t value) {
  appearance_ = value;
  Notify(u"Appearance");
}

void OvPane::SetKey(const host::Variant& value) {
  if (owner_->KeyExists(value)) throw Error::Bare(err::kInvalidValue, u"Key already exists.");
  key_ = value;
  Notify(u"Key");
}

void OvPane::SetIndexProperty(int32_t) {
  throw Error::Component(err::kReadOnly, u"Index is Read-Only at runtime.");
}

int32_t OvPane::GetLeftPixels() const { return owner_->PaneLeftPixels(*this); }

int32_t OvPane::GetTopPixels() const { return owner_->PaneTopPixels(*this); }

int32_t OvPane::GetWidthPixels() const { return widthPixels_ == 0 ? owner_->GetParentWidth() : widthPixels_; }

int32_t OvPane::GetHeightPixels() const { return heightPixels_ == 0 ? owner_->GetParentHeight() : heightPixels_; }

void OvPane::SetWidthPixels(int32_t pixels) {
  if (owner_->IsHorizontal() && pixels < minimumPixels_)
    throw Error::Component(err::kBelowMinimum, u"Width cannot be less than Min.");
  widthPixels_ = pixels;
  previousWidthPixels_ = pixels;
  owner_->InvalidatePositions();
}

void OvPane::SetHeightPixels(int32_t pixels) {
  if (!owner_->IsHorizontal() && pixels < minimumPixels_)
    throw Error::Component(err::kBelowMinimum, u"Height cannot be less than Min.");
  heightPixels_ = pixels;
  previousHeightPixels_ = pixels;
  owner_->InvalidatePositions();
}

}  // namespace panes
