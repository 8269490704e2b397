#include "activex/module.h"

#include <ole2.h>

#include "OvSplitr_h.h"
#include "com/bstr.h"
#include "activex/class_factory.h"
#include "activex/property_pages.h"
#include "activex/registration.h"
#include "activex/splitter_object.h"

namespace activex {
namespace {

HINSTANCE moduleHandle = nullptr;
LONG liveObjects = 0;
LONG serverLocks = 0;

struct ClassObject {
  const CLSID* clsid;
  ClassFactory factory;
};
ClassObject classObjects[] = {{&CLSID_OvSplitter, ClassFactory(SplitterObject::Create)},
                              {&kGeneralPageClsid, ClassFactory(CreateGeneralPage)},
                              {&kPanesPageClsid, ClassFactory(CreatePanesPage)},
                              {&kBehaviorPageClsid, ClassFactory(CreateBehaviorPage)}};

}  // namespace

HINSTANCE ModuleHandle() { return moduleHandle; }

host::String ModulePath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(moduleHandle, path, MAX_PATH);
  return FromWide(path);
}

void ObjectCreated() { InterlockedIncrement(&liveObjects); }
void ObjectDestroyed() { InterlockedDecrement(&liveObjects); }
void LockModule(bool lock) { lock ? InterlockedIncrement(&serverLocks) : InterlockedDecrement(&serverLocks); }
bool ModuleInUse() { return liveObjects != 0 || serverLocks != 0; }

}  // namespace activex

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    activex::moduleHandle = instance;
    // Once loaded, the module stays until the process ends, even when COM frees unused
    // libraries. The runtime linked into it keeps a little for good each time it starts
    // (handles, memory), and a thread may still hold its thread-local data when the last
    // apartment using the module ends: a host that frees and loads it again and again
    // over a long session would pay for both.
    HMODULE pinned = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_PIN,
                       reinterpret_cast<LPCWSTR>(&DllMain), &pinned);
  }
  // Thread notifications stay on: the runtime keeps a little for each thread that calls
  // into the module (thread-local storage, the threads library's record of it) and gives
  // it back when the thread ends.
  return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  for (activex::ClassObject& object : activex::classObjects)
    if (clsid == *object.clsid) return object.factory.QueryInterface(iid, out);
  return CLASS_E_CLASSNOTAVAILABLE;
}

STDAPI DllCanUnloadNow() { return activex::ModuleInUse() ? S_FALSE : S_OK; }

STDAPI DllRegisterServer() { return activex::RegisterServer(); }

STDAPI DllUnregisterServer() { return activex::UnregisterServer(); }

STDAPI DllInstall(BOOL install, LPCWSTR commandLine) { return activex::InstallForUser(install != FALSE, commandLine); }

}  // extern "C"
