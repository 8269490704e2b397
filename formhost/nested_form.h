#pragma once
// The form a person drags bars on: a horizontal splitter whose first pane holds a tree
// view and whose second holds a vertical splitter, with a list box and an edit box in its
// two panes; every control is bound to its pane by ControlName.

#include "formhost/form_window.h"

struct NestedSplitters {
  SplitterSite* outer;
  SplitterSite* inner;
};

NestedSplitters BuildNestedSplitters(FormWindow& form);
