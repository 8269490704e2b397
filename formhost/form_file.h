#pragma once
// A form kept in a UTF-8 text file: its size and mode, its splitters with every property
// their controls saved, and the controls placed in them.
//
//   formhost form 1
//   Form Width 640 Height 400 Mode Design
//   Splitter OvSplitter1 In Form1 Rect 8,8,624,384
//       BorderStyle = I4 0
//       NumPanes = I4 2
//       PaneTag1 = Array Variant (0 To 1) {I2 7, BSTR "seven"}
//   End
//   Splitter OvSplitter2 In OvSplitter1 Rect 0,0,100,100
//   End
//   Control tree1 Kind tree In OvSplitter1 Rect 0,0,30,30
//
// Rectangles are left, top, width and height in pixels of the container's client area;
// a splitter on the form takes its slot of the form's layout once the form is open.
// Names are bare or quoted as in variant_text.h, which gives the notation of the values.
// Blank lines and lines starting with ' are skipped. Splitters come in the order they were
// placed, so that a container always comes before what it holds.

#include <windows.h>

#include <string>
#include <vector>

#include "formhost/child_control.h"
#include "formhost/form_window.h"
#include "formhost/text_property_bag.h"

struct SavedSplitter {
  std::wstring name;
  std::wstring container;  // the form's name or an earlier splitter's
  RECT rect{};             // left, top, right, bottom
  activex::ComPtr<TextPropertyBag> properties;
};

struct SavedChild {
  ChildKind kind = ChildKind::Label;
  std::wstring name;
  std::wstring container;
  RECT rect{};
};

struct SavedForm {
  SIZE size{640, 480};
  bool design = false;
  std::vector<SavedSplitter> splitters;
  std::vector<SavedChild> children;
};

// What the form holds now, each splitter's properties from its control
// (IPersistPropertyBag::Save). Throws DispatchError when a control fails to save.
SavedForm SaveForm(const FormWindow& form);
// Throws std::runtime_error naming the file.
void WriteFormFile(const std::wstring& path, const SavedForm& form);
// Reads and checks the whole file before anything is built; throws std::runtime_error
// "path:line: what is wrong".
SavedForm ReadFormFile(const std::wstring& path);
// Places the saved splitters, loaded from their properties, and the controls on an empty
// form. A splitter whose control refuses its properties ends the opening with the
// DispatchError of IPersistPropertyBag::Load (number and description) naming it.
void OpenForm(FormWindow& form, const SavedForm& saved);
