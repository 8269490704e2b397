#pragma once
// One object of a parent chain: with or without a window, with a parent, Nothing as parent,
// or at the top where reading Parent fails.
#include <initializer_list>
#include <optional>

#include "host/site/parent_object.h"

namespace host::sim {

class SimParentObject : public ParentObject {
 public:
  // The top of a chain: reading its Parent fails. No handle: reading hWnd fails.
  explicit SimParentObject(std::optional<WindowHandle> hwnd) : hwnd_(hwnd), isTop_(true) {}
  // An object whose Parent is parent (Nothing when null).
  SimParentObject(std::optional<WindowHandle> hwnd, ParentRef parent)
      : hwnd_(hwnd), parent_(std::move(parent)), isTop_(false) {}

  // A chain of windowed objects, innermost first; the last is the top.
  static ParentRef Chain(std::initializer_list<WindowHandle> handles);

  WindowHandle Hwnd() const override;
  ParentRef Parent() const override;

 private:
  std::optional<WindowHandle> hwnd_;
  ParentRef parent_;
  bool isTop_;
};

}  // namespace host::sim
