#include "host/activex/extent_surface.h"

#include "host/error.h"
#include "host/variant.h"

namespace activex {
namespace {

constexpr double kHimetricPerInch = 2540;
constexpr double kTwipsPerInch = 1440;

}  // namespace

void ExtentSurface::SetExtent(long widthHimetric, long heightHimetric) {
  widthPixels_ = static_cast<float>(host::RoundHalfEven(widthHimetric * kTwipsPerInch / kHimetricPerInch / screen_.TwipsPerPixelX()));
  heightPixels_ = static_cast<float>(host::RoundHalfEven(heightHimetric * kTwipsPerInch / kHimetricPerInch / screen_.TwipsPerPixelY()));
}

long ExtentSurface::WidthHimetric() const {
  return static_cast<long>(host::RoundHalfEven(widthPixels_ * screen_.TwipsPerPixelX() * kHimetricPerInch / kTwipsPerInch));
}

long ExtentSurface::HeightHimetric() const {
  return static_cast<long>(host::RoundHalfEven(heightPixels_ * screen_.TwipsPerPixelY() * kHimetricPerInch / kTwipsPerInch));
}

// Dragging and text measuring need the control's window, which comes with in-place activation.
void ExtentSurface::OLEDrag() { throw host::Error::Runtime(host::err::kNotImplemented); }

float ExtentSurface::TextHeight(host::StringView) const { throw host::Error::Runtime(host::err::kNotImplemented); }

}  // namespace activex
