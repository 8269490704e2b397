#include "host/screen.h"

#include "host/variant.h"

namespace host {
namespace {

double TwipsPerUnit(ScaleMode mode, double twipsPerPixel) {
  switch (mode) {
    case ScaleMode::Twips:
      return 1;
    case ScaleMode::Points:
      return 20;
    case ScaleMode::Pixels:
      return twipsPerPixel;
    case ScaleMode::Inches:
      return 1440;
    case ScaleMode::Millimeters:
      return 1440 / 25.4;
    case ScaleMode::Centimeters:
      return 1440 / 2.54;
  }
  return 1;
}

}  // namespace

Screen::Screen(int logicalPixelsX, int logicalPixelsY)
    : pixelsPerInch_(logicalPixelsX > 0 ? logicalPixelsX : 96),
      twipsPerPixelX_(1440.0 / (logicalPixelsX > 0 ? logicalPixelsX : 96)),
      twipsPerPixelY_(1440.0 / (logicalPixelsY > 0 ? logicalPixelsY : 96)) {}

int Screen::Scaled(int pixelsAt96) const {
  if (pixelsAt96 <= 0) return pixelsAt96;
  const int scaled = static_cast<int>(RoundHalfEven(static_cast<double>(pixelsAt96) * pixelsPerInch_ / 96.0));
  return scaled < 1 ? 1 : scaled;
}

double Screen::ScaleX(double value, ScaleMode from, ScaleMode to) const {
  return value * TwipsPerUnit(from, twipsPerPixelX_) / TwipsPerUnit(to, twipsPerPixelX_);
}

double Screen::ScaleY(double value, ScaleMode from, ScaleMode to) const {
  return value * TwipsPerUnit(from, twipsPerPixelY_) / TwipsPerUnit(to, twipsPerPixelY_);
}

}  // namespace host
