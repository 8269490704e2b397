#pragma once
// The screen's resolution and the scale conversions between the units of form languages.

namespace host {

enum class ScaleMode { Twips = 1, Points = 2, Pixels = 3, Inches = 5, Millimeters = 6, Centimeters = 7 };

class Screen {
 public:
  // From the screen's logical pixels per inch; 96 gives 15 twips per pixel.
  Screen(int logicalPixelsX = 96, int logicalPixelsY = 96);

  // The pixels per inch across; the control's own pixel constants are drawn for 96.
  int PixelsPerInch() const { return pixelsPerInch_; }
  // A length of the control's own drawing, given as drawn for 96 pixels per inch, at this
  // screen's resolution: rounded half to even, and never below 1 for a length of 1 or more.
  int Scaled(int pixelsAt96) const;

  double TwipsPerPixelX() const { return twipsPerPixelX_; }
  double TwipsPerPixelY() const { return twipsPerPixelY_; }

  double ScaleX(double value, ScaleMode from, ScaleMode to) const;
  double ScaleY(double value, ScaleMode from, ScaleMode to) const;

 private:
  int pixelsPerInch_;
  double twipsPerPixelX_;
  double twipsPerPixelY_;
};

}  // namespace host
