#pragma once
// The control's own settings of how it looks; the pane collection owns the rest (orientation,
// bar size, border offset).
#include <cstdint>

namespace splitter {

enum OvAppearanceConstants : int32_t { OvFlat = 0, Ov3D = 1 };
enum OvBorderStyleConstants : int32_t { OvNone = 0, OvFixedSingle = 1 };
enum OvSplitterStyleConstants : int32_t { OvSplitterFlat = 0, OvSplitterRound = 1 };

inline constexpr int32_t kDefaultSplitterSize = 3;
// Pixels beyond each side of a bar that still grip it, at 96 pixels per inch.
inline constexpr int32_t kDefaultGrabSize = 2;
// The MousePointer value that shows MouseIcon.
inline constexpr int32_t kCustomPointer = 99;

struct ControlLook {
  int32_t appearance = Ov3D;  // of the control's border
  int32_t borderStyle = OvNone;
  int32_t splitterStyle = OvSplitterFlat;
};

}  // namespace splitter
