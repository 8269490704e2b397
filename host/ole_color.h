#pragma once
// A colour as OLE passes it: 0x00BBGGRR, or with the high bit set the index of a system
// colour (0x8000000F is the button face).
#include <cstdint>

namespace host {

using OleColor = std::uint32_t;

inline constexpr OleColor kSystemColorFlag = 0x80000000u;
inline constexpr OleColor kButtonFaceColor = 0x8000000Fu;

constexpr bool IsSystemColor(OleColor color) { return (color & kSystemColorFlag) != 0; }
// The index that GetSysColor takes for a system colour.
constexpr int SystemColorIndex(OleColor color) { return static_cast<int>(color & 0xFFu); }

}  // namespace host
