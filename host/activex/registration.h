#pragma once
// What regsvr32 writes for the component and removes again.
#include <windows.h>

namespace activex {

// The property pages the control lists: "General" and "PanesPP".
extern const CLSID kGeneralPageClsid;
extern const CLSID kPanesPageClsid;

HRESULT RegisterServer();
HRESULT UnregisterServer();

}  // namespace activex
