#include "panes/ov_pane.h"

#include "host/error.h"
#include "panes/ov_panes.h"

namespace panes {

using host::Error;
namespace err = host::err;

namespace {

const char16_t* ExtentName(Dimension d) { return d == Dimension::X ? u"Width" : u"Height"; }
const char16_t* PositionName(Dimension d) { return d == Dimension::X ? u"Left" : u"Top"; }
double TwipsPerPixel(const host::Screen& screen, Dimension d) {
  return d == Dimension::X ? screen.TwipsPerPixelX() : screen.TwipsPerPixelY();
}

}  // namespace

std::shared_ptr<OvPanes> OvPane::Owner() const {
  if (auto owner = owner_.lock()) return owner;
  static const std::shared_ptr<OvPanes> kNone = OvPanes::Create();
  return kNone;
}

void OvPane::Notify(const char16_t* property) {
  if (auto owner = owner_.lock()) owner->NotifyChanged(*this, property);
}

double OvPane::UnitsToPixels(int32_t units) const {
  int16_t factor = Owner()->GetUnitsPerPixel();
  if (factor == 0) throw Error::Runtime(err::kDivisionByZero);
  return static_cast<double>(units) / factor;
}

void OvPane::SetResizeChildControl(bool value) {
  resizeChildControl_ = value;
  Notify(u"ResizeChildControl");
}

void OvPane::ScaleLengths(int to, int from) {
  auto scaled = [&](int32_t pixels) { return host::NearestLong(static_cast<double>(pixels) * to / from); };
  extentPixels_ = {scaled(extentPixels_.x), scaled(extentPixels_.y)};
  minimumPixels_ = scaled(minimumPixels_);
  maximumPixels_ = scaled(maximumPixels_);
  Owner()->ExtentsChanged();
}

int32_t OvPane::Minimum() const {
  return host::NearestLong(static_cast<double>(minimumPixels_) * Owner()->GetUnitsPerPixel());
}

double OvPane::LimitPixels(const char16_t* name, int32_t units) const {
  if (units < 0) throw Error::Component(err::kOutOfRange, host::String(name) + u" must be greater than 0.");
  return UnitsToPixels(units);
}

void OvPane::SetMinimum(int32_t value) {
  const double pixels = LimitPixels(u"Minimum", value);
  const Dimension along = CollectionAxis().Along();
  int32_t extent = extentPixels_[along];
  if (maximumPixels_ != 0 && pixels > maximumPixels_)
    throw Error::Component(err::kInvalidValue, u"Minimum must be less than or equal to Maximum.");
  if (pixels > extent && extent > 0)
    throw Error::Component(err::kInvalidValue,
                           host::String(u"Minimum must be less than or equal to ") + ExtentName(along) + u".");
  minimumPixels_ = host::NearestLong(pixels);
  Notify(u"Minimum");
}

int32_t OvPane::Maximum() const {
  return host::NearestLong(static_cast<double>(maximumPixels_) * Owner()->GetUnitsPerPixel());
}

void OvPane::SetMaximum(int32_t value) {
  // A pane already beyond it keeps its extent until the next drag, resize or exchange.
  const double pixels = LimitPixels(u"Maximum", value);
  if (value != 0 && pixels < minimumPixels_)
    throw Error::Component(err::kInvalidValue, u"Maximum must be greater than or equal to Minimum.");
  maximumPixels_ = host::NearestLong(pixels);
  Owner()->InvalidatePositions();
  Notify(u"Maximum");
}

void OvPane::SetFixed(bool value) {
  fixed_ = value;
  Notify(u"Fixed");
}

void OvPane::SetCollapsible(bool value) {
  collapsible_ = value;
  Notify(u"Collapsible");
}

void OvPane::SetCollapsed(bool value) {
  if (value == collapsed_) return;
  if (auto owner = owner_.lock())
    owner->SetCollapsed(*this, value, true);
  else
    collapsed_ = value;
  Notify(u"Collapsed");
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

XY<int32_t> OvPane::ContentOrigin() const {
  const int32_t frame = Owner()->PaneFrame(IsThreeD());
  return {Owner()->PanePositionPixels(*this, Dimension::X) + frame,
          Owner()->PanePositionPixels(*this, Dimension::Y) + frame};
}

XY<int32_t> OvPane::ContentSize() const {
  XY<int32_t> size;
  for (Dimension d : {Dimension::X, Dimension::Y}) {
    int64_t pixels = extentPixels_[d] == kWholeExtent ? Owner()->ParentExtent(d) : extentPixels_[d];
    if (collapsed_ && d == CollectionAxis().Along()) pixels = 0;
    pixels -= 2 * Owner()->PaneFrame(IsThreeD());
    if (collapsed_ && pixels < 0) pixels = 0;
    if (d != CollectionAxis().Along() && pixels < 0) pixels = 0;
    size[d] = static_cast<int32_t>(pixels);
  }
  return size;
}

int32_t OvPane::Position(Dimension d) const {
  return host::NearestLong(ContentOrigin()[d] * TwipsPerPixel(Owner()->GetScreen(), d));
}

void OvPane::RejectPositionWrite(Dimension d) const {
  throw Error::Component(err::kReadOnly, host::String(PositionName(d)) + u" is Read-Only at runtime.");
}

void OvPane::SetExtent(Dimension d, int32_t units) {
  const host::String name = ExtentName(d);
  if (d != CollectionAxis().Along()) throw Error::Component(err::kReadOnly, name + u" is read-only at runtime.");
  if (Owner()->Count() == 1)
    throw Error::Component(err::kOutOfRange, name + u" is read-only when there is only 1 Pane.");
  // Below the minimum the minimum is taken, above the maximum the maximum; a 3D pane's frame
  // comes on top.
  double pixels = UnitsToPixels(units);
  double extent = pixels >= minimumPixels_ ? host::RoundHalfEven(pixels) : minimumPixels_;
  const int32_t frames = 2 * Owner()->PaneFrame(IsThreeD());
  if (maximumPixels_ != 0 && extent + frames > maximumPixels_) extent = maximumPixels_ - frames;
  Owner()->ExchangeExtent(*this, host::NearestLong(extent + frames));
  Notify(name.c_str());
}

int32_t OvPane::Extent(Dimension d) const {
  return host::NearestLong(ContentSize()[d] * TwipsPerPixel(Owner()->GetScreen(), d));
}

void OvPane::SetAppearance(int32_t value) {
  appearance_ = value;
  Notify(u"Appearance");
}

void OvPane::SetKey(const host::Variant& value) {
  if (Owner()->KeyExists(value)) throw Error::Bare(err::kInvalidValue, u"Key already exists.");
  key_ = value;
  Notify(u"Key");
}

void OvPane::SetIndexProperty(int32_t) { throw Error::Component(err::kReadOnly, u"Index is Read-Only at runtime."); }

const Axis& OvPane::CollectionAxis() const { return Owner()->GetAxis(); }

int32_t OvPane::ExtentPixels(Dimension d) const {
  return extentPixels_[d] == 0 ? Owner()->ParentExtent(d) : extentPixels_[d];
}

void OvPane::SetExtentPixels(Dimension d, int32_t pixels) {
  if (d == CollectionAxis().Along() && pixels < minimumPixels_)
    throw Error::Component(err::kBelowMinimum, host::String(ExtentName(d)) + u" cannot be less than Min.");
  extentPixels_[d] = pixels;
  Owner()->ExtentsChanged();
}

}  // namespace panes
