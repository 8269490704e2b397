#pragma once
// One control on the form as its extender sees it: a name, a rectangle in twips of its
// container's client area, an optional window, and the objects it lives in.

#include <windows.h>
#include <oaidl.h>

#include <string>

class FormControl {
 public:
  virtual ~FormControl() = default;

  virtual const std::wstring& Name() const = 0;
  // Left, top, width, height in twips.
  virtual void Bounds(double* left, double* top, double* width, double* height) const = 0;
  virtual void Move(double left, double top, double width, double height) = 0;
  // Null for a windowless control, whose extender then has no hWnd.
  virtual HWND Window() const = 0;
  virtual void Refresh() = 0;
  // The extender of the container control it is placed in, or the form; borrowed.
  virtual IDispatch* ContainerObject() const = 0;
  // The form; borrowed.
  virtual IDispatch* ParentObject() const = 0;
};
