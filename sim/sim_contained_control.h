#pragma once
// A contained control, windowed or windowless. Move and Refresh are logged as
// "Move <name> <left> <top> <width> <height>" and "Refresh <name>".
#include <optional>
#include <set>
#include <string>

#include "host/site/contained_control.h"
#include "sim/sim_traced.h"

namespace host::sim {

class SimContainedControl : public ContainedControl, public SimTraced {
 public:
  struct Rectangle {
    double left, top, width, height;
    bool operator==(const Rectangle&) const = default;
  };

  // Without a handle the control is windowless: reading its hWnd fails.
  SimContainedControl(String name, std::optional<WindowHandle> hwnd, SimTrace* sharedTrace = nullptr)
      : SimTraced(sharedTrace), name_(std::move(name)), hwnd_(hwnd) {}

  String Name() const override;
  WindowHandle Hwnd() const override;
  void Move(double left, double top, double width, double height) override;
  void Refresh() override;

  void SetName(String name) { name_ = std::move(name); }
  // The control no longer offers "Name", "Move" or "Refresh": using it throws.
  void RemoveMember(std::string member) { missing_.insert(std::move(member)); }

  // Where the last Move put it; nothing before the first.
  const std::optional<Rectangle>& Bounds() const { return bounds_; }
  int RefreshCount() const { return refreshCount_; }

 private:
  void Require(const char* member) const;

  String name_;
  std::optional<WindowHandle> hwnd_;
  std::set<std::string, std::less<>> missing_;
  std::optional<Rectangle> bounds_;
  int refreshCount_ = 0;
};

}  // namespace host::sim
