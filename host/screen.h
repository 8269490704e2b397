#pragma once
// The screen's resolution and the scale conversions between the units of form languages.

namespace host {

enum class ScaleMode { Twips = 1, Points = 2, Pixels = 3, Inches = 5, Millimeters = 6, Centimeters = 7 };

class Screen {
 public:
  // From the screen's logical pixels per inch; 96 gives 15 twips per pixel.
  Screen(int logicalPixelsX = 96, int logicalPixelsY = 96);

  double TwipsPerPixelX() const { return twipsPerPixelX_; }
  double TwipsPerPixelY() const { return twipsPerPixelY_; }

  double ScaleX(double value, ScaleMode from, ScaleMode to) const;
  double ScaleY(double value, ScaleMode from, ScaleMode to) const;

 private:
  double twipsPerPixelX_;
  double twipsPerPixelY_;
};

}  // namespace host
