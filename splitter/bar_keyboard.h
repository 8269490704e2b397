#pragma once
// The bars by keyboard: which bar holds the focus mark, and the keys that move its feedback
// bar as a mouse drag would, inside the same range. The control routes its focus and keys
// here while keyboard operation is on and it runs (not in a designer).
#include <cstddef>
#include <cstdint>
#include <optional>

#include "panes/ov_panes.h"

namespace splitter {

// What a key asks of the control. Apply: the move ends as a mouse release at the feedback
// would. Toggle: the collapsible pane at the focused bar collapses or comes back. Leave: the
// Tab order goes on past the last bar (or before the first).
enum class BarKey : uint8_t { Ignored, Handled, Apply, Toggle, LeaveForward, LeaveBackward };

class BarKeyboard {
 public:
  static constexpr int32_t kDefaultIncrement = 1;
  // Shift, PageUp and PageDown move this many increments.
  static constexpr int32_t kLargeStep = 10;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on) { enabled_ = on; }
  int32_t Increment() const { return increment_; }
  // Throws kInvalidPropertyValue below 1.
  void SetIncrement(int32_t pixels);

  // The bar with the focus mark (0-based: bar k follows pane k + 1); none while the control
  // does not hold the focus.
  std::optional<size_t> FocusedBar() const { return focused_; }
  bool Moving() const { return moving_; }

  // The focus arrived: the bar last used, else the first, takes the mark. False when there
  // is no bar to take it.
  bool FocusIn(const panes::OvPanes& panes);
  // The focus left: a move under way is dropped, its feedback erased.
  void FocusOut(panes::OvPanes& panes);
  // A click on a bar gives it the mark.
  void Focus(size_t bar);
  // The bar whose move Apply ends, or the pane before it.
  panes::PanePtr MovingPane(const panes::OvPanes& panes) const;
  // The move has been applied (or failed): the next key starts afresh.
  void MoveEnded() { moving_ = false; }
  // Drops a move under way, its feedback erased.
  void CancelMove(panes::OvPanes& panes);
  BarKey KeyDown(panes::OvPanes& panes, int32_t key, bool shift);

 private:
  BarKey Step(panes::OvPanes& panes, int direction);
  void MoveBy(panes::OvPanes& panes, int64_t pixels);
  void MoveToEnd(panes::OvPanes& panes, bool last);
  panes::PanePtr BeginMove(panes::OvPanes& panes);

  bool enabled_ = false;
  int32_t increment_ = kDefaultIncrement;
  std::optional<size_t> focused_;
  size_t lastUsed_ = 0;
  bool moving_ = false;
};

}  // namespace splitter
