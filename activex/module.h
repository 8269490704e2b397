#pragma once
// The DLL's module state: its handle and the count of live objects and server locks
// that DllCanUnloadNow reports.
#include <windows.h>

#include "host/text.h"

namespace activex {

HINSTANCE ModuleHandle();
host::String ModulePath();

void ObjectCreated();
void ObjectDestroyed();
void LockModule(bool lock);
bool ModuleInUse();

}  // namespace activex
