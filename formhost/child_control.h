#pragma once
// A control the form places on itself or inside a splitter: a windowed one (an edit box, a
// list box, a tree view), a child window of its container's window, or a windowless label
// that the form draws. Its extender reports and moves it in twips of the container.

#include <windows.h>

#include <string>

#include "formhost/extender.h"
#include "formhost/form_control.h"
#include "com/com_ptr.h"
#include "com/unique_handle.h"

enum class ChildKind { Edit, List, Tree, Label };

// The kind a control name starts with ("tree1" is a tree view); Label for other names.
ChildKind ChildKindOfName(const std::wstring& name);
// "tree", "list", "edit" or "label".
const char* ChildKindName(ChildKind kind);

class ChildControl final : public FormControl {
 public:
  // container: the extender of the splitter it is placed in, or the form object;
  // parentWindow: that container's window. Both outlive this control.
  ChildControl(ChildKind kind, std::wstring name, IDispatch* container, HWND parentWindow, IDispatch* form,
               const RECT& pixels);
  ~ChildControl() override;
  ChildControl(const ChildControl&) = delete;
  ChildControl& operator=(const ChildControl&) = delete;

  ChildKind Kind() const { return kind_; }
  IDispatch* ExtenderObject() const { return extender_.Get(); }
  bool IsIn(IDispatch* container) const { return container_ == container; }
  // Where it stands, pixels of the container's client area.
  RECT PixelRect() const;
  // The last Move through its extender, twips, and how many Moves and Refreshes came.
  const RECT& LastMoveTwips() const { return lastMove_; }
  int Moves() const { return moves_; }
  int Refreshes() const { return refreshes_; }
  void Paint(HDC dc) const;  // the label's text, for a form that draws it

  // FormControl
  const std::wstring& Name() const override { return name_; }
  void Bounds(double* left, double* top, double* width, double* height) const override;
  void Move(double left, double top, double width, double height) override;
  HWND Window() const override { return window_.get(); }
  void Refresh() override;
  IDispatch* ContainerObject() const override { return container_; }
  IDispatch* ParentObject() const override { return form_; }

 private:
  void Fill();

  ChildKind kind_;
  std::wstring name_;
  IDispatch* container_;
  HWND parentWindow_;
  IDispatch* form_;
  RECT labelRect_;
  RECT lastMove_{};
  int moves_ = 0;
  int refreshes_ = 0;
  win32::UniqueWindow window_;
  activex::ComPtr<Extender> extender_;
};
