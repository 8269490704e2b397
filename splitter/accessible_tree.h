#pragma once
// The control as an assistive tool reads it. Child 0 is the control itself; children 1 to
// 2n-1 are pane 1, bar 1, pane 2, ..., pane n, each read from the panes' one layout.
#include <cstddef>
#include <cstdint>
#include <optional>

#include "host/text.h"
#include "panes/ov_panes.h"

namespace splitter {

// What the keyboard handling shows: whether the bars take the focus, and which one has its
// mark.
struct AccessibleKeyboard {
  bool keyboardOn = false;
  std::optional<size_t> focusedBar;
};

enum class AccessibleRole : uint8_t { Pane, Separator };

// Client pixels.
struct AccessibleRect {
  int64_t left = 0;
  int64_t top = 0;
  int64_t width = 0;
  int64_t height = 0;
  bool Contains(double x, double y) const { return left <= x && x < left + width && top <= y && y < top + height; }
  bool operator==(const AccessibleRect&) const = default;
};

struct AccessibleStates {
  bool focusable = false;
  bool focused = false;
  // A collapsed pane: it takes no room, so a reader passes it by.
  bool collapsed = false;
  bool operator==(const AccessibleStates&) const = default;
};

class AccessibleTree {
 public:
  static constexpr int32_t kSelf = 0;

  // No panes (a control gone or not yet initialised) reads as a control without children.
  AccessibleTree(const panes::OvPanes* panes, AccessibleKeyboard keyboard) : panes_(panes), keyboard_(keyboard) {}

  int32_t ChildCount() const;
  bool IsChild(int32_t child) const { return 1 <= child && child <= ChildCount(); }
  static bool IsBar(int32_t child) { return child % 2 == 0; }
  static int32_t BarChild(size_t bar) { return static_cast<int32_t>(2 * bar + 2); }
  size_t BarCount() const;

  // For a child that IsChild.
  AccessibleRole Role(int32_t child) const { return IsBar(child) ? AccessibleRole::Separator : AccessibleRole::Pane; }
  // A bar is named after the pane before it.
  host::String Name(int32_t child) const;
  // A bar's position as a whole percentage of its drag range; panes have no value.
  std::optional<int32_t> Value(int32_t child) const;
  AccessibleRect Location(int32_t child) const;
  AccessibleStates States(int32_t child) const;
  // The bar with the focus mark, as a child.
  std::optional<int32_t> Focus() const;
  // The child under a point of the client area; kSelf where there is none (the border).
  int32_t ChildAt(double x, double y) const;

  // Where bar k begins along the axis, and its value.
  int64_t BarStart(size_t bar) const;
  int32_t BarValue(size_t bar) const;

 private:
  static size_t SlotOf(int32_t child) { return static_cast<size_t>((child - 1) / 2); }
  AccessibleRect Across(int64_t along, int64_t extent) const;

  const panes::OvPanes* panes_;
  AccessibleKeyboard keyboard_;
};

}  // namespace splitter
