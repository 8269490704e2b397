#pragma once
// The control's property pages: what each is, how the class factory creates them, and the
// list the control hands a frame.
#include <windows.h>
#include <ocidl.h>

namespace activex {

HRESULT CreateGeneralPage(REFIID iid, void** out);
HRESULT CreatePanesPage(REFIID iid, void** out);
HRESULT CreateBehaviorPage(REFIID iid, void** out);

// ISpecifyPropertyPages::GetPages of the control: "General", "PanesPP", "Behavior", then the
// stock colour and picture pages.
HRESULT ControlPropertyPages(CAUUID* pages);

}  // namespace activex
