#include "formhost/nested_form.h"

#include "formhost/splitter_geometry.h"

namespace {

void Bind(FormWindow& form, SplitterSite& splitter, long position, const std::wstring& name) {
  form.AddChild(ChildKindOfName(name), name, &splitter, {0, 0, 30, 30});
  PaneOf(splitter, position).Put(L"ControlName", name);
}

}  // namespace

NestedSplitters BuildNestedSplitters(FormWindow& form) {
  SplitterSite& outer = form.AddSplitter(L"OvSplitter1");
  outer.Control().Object(L"Panes").Call(L"Add");
  Bind(form, outer, 1, L"tree1");
  // Placed anywhere: binding it to the second pane moves it there.
  SplitterSite& inner = form.AddSplitter(L"OvSplitter2", outer, {0, 0, 100, 100});
  PaneOf(outer, 2).Put(L"ControlName", inner.Name());
  inner.Control().Put(L"Orientation", 1L);
  // A change of orientation fixes the first pane's width at the splitter's width then;
  // panes added afterwards span whatever width it takes later.
  DispatchClient panes = inner.Control().Object(L"Panes");
  panes.Call(L"Add");
  panes.Call(L"Add");
  panes.Call(L"Remove", 1L);
  Bind(form, inner, 1, L"list1");
  Bind(form, inner, 2, L"edit1");
  return {&outer, &inner};
}
