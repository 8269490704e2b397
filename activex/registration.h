#pragma once
// What regsvr32 writes for the component and removes again.
#include <windows.h>

namespace activex {

// The property pages the control lists: "General", "PanesPP" and "Behavior".
extern const CLSID kGeneralPageClsid;
extern const CLSID kPanesPageClsid;
extern const CLSID kBehaviorPageClsid;

HRESULT RegisterServer();
HRESULT UnregisterServer();

// DllInstall: with the command line "user" (any case), registers or removes everything
// RegisterServer writes, under the current user's classes and with the type library
// registered for that user only; no administrator rights needed. Any other command
// line: E_INVALIDARG.
HRESULT InstallForUser(bool install, const wchar_t* commandLine);

}  // namespace activex
