#pragma once
// The plane of the control seen from its panes: they follow each other along one axis and
// all span the other. A rule that holds for both orientations is written once on the axis
// and read back in x and y through Pick and Transpose.
#include <cstdint>

namespace panes {

enum OvOrientationConstants : int32_t { OvHorizontal = 0, OvVertical = 1 };

enum class Dimension : std::uint8_t { X, Y };

constexpr Dimension Other(Dimension d) { return d == Dimension::X ? Dimension::Y : Dimension::X; }

// A width and a height, or a left and a top, indexed by dimension.
template <typename T>
struct XY {
  T x{};
  T y{};
  constexpr T& operator[](Dimension d) { return d == Dimension::X ? x : y; }
  constexpr const T& operator[](Dimension d) const { return d == Dimension::X ? x : y; }
  bool operator==(const XY&) const = default;
};

class Axis {
 public:
  // Orientation 0 lays the panes out left to right; any other value top to bottom.
  static constexpr Axis Of(int32_t orientation) {
    return Axis(orientation == OvHorizontal ? Dimension::X : Dimension::Y);
  }
  constexpr Dimension Along() const { return along_; }
  constexpr Dimension Across() const { return Other(along_); }
  constexpr bool IsHorizontal() const { return along_ == Dimension::X; }

  template <typename T>
  constexpr T Pick(const XY<T>& value) const {
    return value[along_];
  }
  template <typename T>
  constexpr T PickAcross(const XY<T>& value) const {
    return value[Across()];
  }
  // A value along and one across, back in x and y.
  template <typename T>
  constexpr XY<T> Transpose(T along, T across) const {
    XY<T> value;
    value[along_] = along;
    value[Across()] = across;
    return value;
  }

 private:
  explicit constexpr Axis(Dimension along) : along_(along) {}
  Dimension along_;
};

}  // namespace panes
